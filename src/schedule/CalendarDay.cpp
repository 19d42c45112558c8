#include "schedule/CalendarDay.h"

#include <algorithm>

#include "schedule/ChannelIndex.h"
#include "tournament/Tournament.h"

namespace {

constexpr qsizetype dateTimeBlock = 14;
constexpr qsizetype dateLength = 5;
constexpr qsizetype kickOffLength = 5;

// The day list sorts like a sorted list box: without regard to case, the
// exact text only breaking ties so that the order is always the same.
bool lineBefore(const QString &a, const QString &b)
{
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

// The 2010 publisher names a broadcaster in every note, "C+" showing all
// the matches; the notes of the other formats name none, and a logo there
// would be a broadcaster made up. Their lines end in "-".
QChar channelMark(const Tournament &t, const MatchNote &note)
{
    static const QStringList broadcasters{QStringLiteral("C+"), QStringLiteral("TF1"), QStringLiteral("F2"),
                                          QStringLiteral("F3")};
    const bool named = std::any_of(broadcasters.begin(), broadcasters.end(),
                                   [&note](const QString &name) { return note.contains(name); });
    return t.rules().isWc32() || named ? QChar(u'0' + ChannelIndexOf(note)) : QChar(u'-');
}

} // namespace

CalendarDay calendarDay(const Tournament &t, const ScheduleIndex &index, const QString &dateKey)
{
    CalendarDay day;
    for (const ScheduleEntry &entry : index) {
        const MatchNote &note = entry.note;
        if (note.size() < dateTimeBlock || QStringView(note).right(dateTimeBlock).left(dateLength) != dateKey)
            continue;
        const CellFamily &labels = labelFamily(t, entry.roundCode);
        const TeamNames &names = t.messages().teamNames();
        day.lines << note.right(kickOffLength) + u' ' + names.shown(labels.text(entry.firstLabel)) +
                         QStringLiteral(" Vs ") + names.shown(labels.text(entry.firstLabel + 1)) +
                         channelMark(t, note);
    }
    std::sort(day.lines.begin(), day.lines.end(), lineBefore);

    const qsizetype n = day.lines.size();
    if (n == 0) {
        const MessageTable &messages = t.messages();
        day.rows = {{{QString(), std::nullopt, true},
                     {messages.at(Message::noMatches), std::nullopt, true},
                     {messages.at(Message::onThisDay), std::nullopt, true},
                     {QStringLiteral("!!!"), std::nullopt, true}}};
        return day;
    }
    if (n > 4)
        return day;
    const qsizetype firstRow = n == 1 ? 2 : n == 4 ? 0 : 1;
    for (qsizetype j = 0; j < n; ++j) {
        const QString &line = day.lines.at(j);
        CalendarDay::Row &row = day.rows[std::size_t(firstRow + j)];
        row.text = line.chopped(1);
        if (const int logo = line.back().digitValue(); logo >= 0)
            row.logo = logo;
    }
    return day;
}
