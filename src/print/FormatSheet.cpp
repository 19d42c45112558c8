#include "print/FormatSheet.h"

#include <QRegularExpression>

#include "tournament/FormatStage.h"
#include "tournament/GroupFixtures.h"
#include "tournament/Knockout.h"
#include "tournament/NumericValue.h"
#include "tournament/Tournament.h"

namespace {

// The message's part `i`, or the catalogue's French while no language
// file has given one.
QString part(const MessageTable &messages, Message entry, int i)
{
    const QString given = messages.at(entry).split(u'|').value(i);
    return given.isEmpty() ? QString::fromUtf16(frenchText(entry)).split(u'|').value(i) : given;
}

QString signedNumber(double value)
{
    const QString number = formatNumber(value);
    return value > 0 ? QStringLiteral("+") + number : number;
}

// The edition the chart holds, else the one its name says ("EURO2028").
QString yearOf(const Tournament &t)
{
    if (t.year() != 0)
        return QString::number(t.year());
    static const QRegularExpression trailingYear(QStringLiteral("(\\d{4})$"));
    return trailingYear.match(t.chartName()).captured(1);
}

QStringList titleOf(const Tournament &t)
{
    const MessageTable &messages = t.messages();
    const QString year = yearOf(t);
    if (t.rules().id == FormatId::Euro24)
        return {messages.text(Message::euroTitle).arg(year)};
    return {part(messages, Message::sheetTitle, 0),
            part(messages, Message::sheetTitle, 1).replace(QStringLiteral("%1"), year)};
}

FormatSheetRow rowOf(const Tournament &t, GroupId g, int slot, const TeamFigures &f)
{
    FormatSheetRow row;
    row.team = t.messages().teamNames().shown(t.group(g).team->text(slot));
    row.points = QString::number(f.points);
    row.difference = signedNumber(f.difference());
    row.goalsFor = formatNumber(f.goalsFor);
    return row;
}

FormatSheetGroup groupOf(const Tournament &t, GroupId g, const FormatGroup &group, bool thirdThrough)
{
    const MessageTable &messages = t.messages();
    FormatSheetGroup sheet;
    sheet.caption = messages.text(Message::groupCaption).arg(groupLetter(g));
    for (int place = 1; place <= 4; ++place) {
        const int slot = group.slotAt(place);
        FormatSheetRow &row = sheet.table[std::size_t(place - 1)];
        row = rowOf(t, g, slot, group.figures[std::size_t(slot - 1)]);
        row.through = (place <= 2 && group.placeKnown(place)) || (place == 3 && thirdThrough);
    }
    const CellFamily &score = *t.group(g).score;
    for (std::size_t m = 0; m < GroupFixtures.size(); ++m) {
        const QString &home = score.text(int(2 * m));
        const QString &away = score.text(int(2 * m + 1));
        const bool played = isPlayed(home) && isPlayed(away);
        sheet.scores[m] = {messages.teamNames().shown(t.group(g).team->text(GroupFixtures[m].home)),
                           messages.teamNames().shown(t.group(g).team->text(GroupFixtures[m].away)),
                           played ? home : QString(), played ? away : QString()};
    }
    return sheet;
}

bool isTeam(const QString &cell)
{
    return !cell.isEmpty() && cell != u"-";
}

void readBracket(const Tournament &t, FormatSheet &sheet)
{
    for (Round r : t.rounds()) {
        const RoundCells &cells = t.round(r);
        const std::span<const BracketMatch> matches = t.rules().matchesOf(r);
        for (std::size_t k = 0; k < matches.size(); ++k) {
            FormatSheetMatch match;
            std::array<float, 2> totals{};
            for (int s = 0; s < 2; ++s) {
                const int side = int(2 * k) + s;
                FormatSheetSide &printed = match.sides[std::size_t(s)];
                const QString &team = cells.team->text(side);
                printed.team = isTeam(team) ? t.messages().teamNames().shown(team) : QString();
                printed.origin = matches[k].sides[std::size_t(s)].code();
                totals[std::size_t(s)] = sideTotal(cells.goals->text(side), cells.penalties->text(side));
                // A score not yet played is left blank for the pencil.
                if (isPlayed(cells.goals->text(side)))
                    printed.goals = cells.goals->text(side);
                if (isPlayed(cells.penalties->text(side)))
                    printed.penalties = cells.penalties->text(side);
            }
            const bool played = !match.sides[0].goals.isEmpty() && !match.sides[1].goals.isEmpty();
            match.sides[0].won = played && totals[0] > totals[1];
            match.sides[1].won = played && totals[1] > totals[0];
            sheet.matches.insert(matches[k].number, match);
        }
    }
}

} // namespace

FormatSheet readFormatSheet(const Tournament &t, const QString &link)
{
    const MessageTable &messages = t.messages();
    FormatSheet sheet;
    sheet.rules = &t.rules();
    sheet.link = link;
    sheet.title = titleOf(t);
    for (int i = 0; i < 5; ++i)
        sheet.headings << part(messages, Message::thirdsHeadings, i);
    sheet.thirdsTitle = messages.text(Message::thirdsTitle);
    const std::array<std::pair<Round, int>, 6> nameOf{{{Round::RoundOf32, 0},
                                                       {Round::RoundOf16, 1},
                                                       {Round::QuarterFinals, 2},
                                                       {Round::SemiFinals, 3},
                                                       {Round::Final, 4},
                                                       {Round::ThirdPlace, 5}}};
    for (const auto &[round, index] : nameOf)
        sheet.roundNames[std::size_t(round)] = part(messages, Message::roundNames, index);
    sheet.podiumName = part(messages, Message::roundNames, 6);

    const std::vector<FormatGroup> groups = formatGroups(t);
    const ThirdsStanding thirds = thirdsStanding(t, groups);
    const quint16 qualifying = thirds.qualifying();
    for (GroupId g : t.groupIds())
        sheet.groups.push_back(
            groupOf(t, g, groups[std::size_t(groupIndex(g))], (qualifying & (1u << groupIndex(g))) != 0));
    sheet.thirdsThrough = thirds.through;
    for (std::size_t place = 0; place < thirds.ranked.order.size(); ++place) {
        const std::size_t i = std::size_t(thirds.ranked.order[place]);
        const GroupId g = thirds.groups[i];
        FormatSheetRow row = rowOf(t, g, thirds.slotInGroup[i], thirds.figures[i]);
        row.group = QString(groupLetter(g));
        // A third stays unnamed until its group has placed it, as in the window.
        if (!groups[std::size_t(groupIndex(g))].placeKnown(3))
            row.team = QStringLiteral("-");
        row.through = thirds.decided() && int(place) < thirds.through;
        sheet.thirds.push_back(row);
    }

    readBracket(t, sheet);
    const int places = t.hasRound(Round::ThirdPlace) ? 4 : 2;
    for (int place = 1; place <= places; ++place)
        sheet.podium << messages.teamNames().shown(t.podium().text(place));
    return sheet;
}
