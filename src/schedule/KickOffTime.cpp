#include "schedule/KickOffTime.h"

namespace {

constexpr qsizetype blockLength = 14;

// "/yy " between the month and the time; anything else there is the
// publisher's and is kept.
bool holdsYear(QStringView middle)
{
    return middle.size() == 4 && middle[0] == u'/' && middle[1].isDigit() && middle[2].isDigit() &&
           middle[3] == u' ';
}

// Two ASCII digits as a number, or -1. By hand: a parse by format cost half
// of building a chart's schedule, which every start does.
int twoDigits(QStringView s)
{
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : -100; };
    const int value = s.size() == 2 ? digit(s[0]) * 10 + digit(s[1]) : -1;
    return value >= 0 ? value : -1;
}

} // namespace

QTimeZone tournamentZone()
{
    // The fixed offset, not the zone's name: it is right without tzdata.
    static const QTimeZone zone(2 * 3600);
    return zone;
}

std::optional<QDateTime> kickOffOf(const MatchNote &note, const QTimeZone &writtenOn)
{
    if (note.size() < blockLength)
        return std::nullopt;
    const QStringView block = QStringView(note).right(blockLength);
    if (block[2] != u'/')
        return std::nullopt;
    bool dayOk = false, monthOk = false;
    const int day = block.left(2).toInt(&dayOk);
    const int month = block.mid(3, 2).toInt(&monthOk);
    const QStringView middle = block.mid(5, 4);
    const int year = holdsYear(middle) ? 2000 + middle.mid(1, 2).toInt() : 2010;
    const QDate date(year, month, day);
    const QStringView clock = block.right(5);
    const int hour = twoDigits(clock.left(2));
    const int minute = twoDigits(clock.right(2));
    const QTime time = clock[2] == u':' && hour >= 0 && minute >= 0 ? QTime(hour, minute) : QTime();
    if (!dayOk || !monthOk || !date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, writtenOn);
}

MatchNote noteInZone(const MatchNote &note, const QTimeZone &zone, const QTimeZone &clock)
{
    const std::optional<QDateTime> kickOff = kickOffOf(note, clock);
    if (!kickOff || !zone.isValid())
        return note;
    const QDateTime local = kickOff->toTimeZone(zone);
    const QStringView block = QStringView(note).right(blockLength);
    const QDate date = local.date();
    const QTime time = local.time();
    const QString middle =
        holdsYear(block.mid(5, 4)) ? QString::asprintf("/%02d ", date.year() % 100) : block.mid(5, 4).toString();
    return note.chopped(blockLength) + QString::asprintf("%02d/%02d", date.day(), date.month()) + middle +
           QString::asprintf("%02d:%02d", time.hour(), time.minute());
}
