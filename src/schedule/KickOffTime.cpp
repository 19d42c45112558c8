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

} // namespace

QTimeZone tournamentZone()
{
    // The fixed offset, not the zone's name: it is right without tzdata.
    return QTimeZone(2 * 3600);
}

std::optional<QDateTime> kickOffOf(const MatchNote &note)
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
    const QTime time = QTime::fromString(block.right(5).toString(), QStringLiteral("hh:mm"));
    if (!dayOk || !monthOk || !date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, tournamentZone());
}

MatchNote noteInZone(const MatchNote &note, const QTimeZone &zone)
{
    const std::optional<QDateTime> kickOff = kickOffOf(note);
    if (!kickOff || !zone.isValid())
        return note;
    const QDateTime local = kickOff->toTimeZone(zone);
    const QStringView block = QStringView(note).right(blockLength);
    const QString middle =
        holdsYear(block.mid(5, 4)) ? local.toString(QStringLiteral("/yy ")) : block.mid(5, 4).toString();
    return note.chopped(blockLength) + local.toString(QStringLiteral("dd/MM")) + middle +
           local.toString(QStringLiteral("hh:mm"));
}
