#include "tournament/FormatStage.h"

#include "tournament/GroupFixtures.h"
#include "tournament/Knockout.h"
#include "tournament/NumericValue.h"
#include "tournament/Tournament.h"

#include <algorithm>

namespace {

const QString notKnown = QStringLiteral("-");

// The group's last round: its last two fixtures.
constexpr std::size_t lastRoundFrom = 4;

std::vector<PlayedMatch> playedMatches(const Tournament &t, GroupId g)
{
    const CellFamily &score = *t.group(g).score;
    std::vector<PlayedMatch> played;
    for (std::size_t m = 0; m < GroupFixtures.size(); ++m) {
        const QString &first = score.text(int(2 * m));
        const QString &second = score.text(int(2 * m + 1));
        if (isPlayed(first) && isPlayed(second))
            played.push_back({GroupFixtures[m].home - 1, GroupFixtures[m].away - 1, numericValue(first),
                              numericValue(second), m >= lastRoundFrom});
    }
    return played;
}

QString teamAt(const Tournament &t, GroupId g, int slot)
{
    return t.group(g).team->text(slot);
}

} // namespace

quint16 ThirdsStanding::qualifying() const
{
    if (!decided())
        return 0;
    quint16 set = 0;
    for (int place = 0; place < through; ++place)
        set |= quint16(1u << groupIndex(groups[std::size_t(ranked.order[std::size_t(place)])]));
    return set;
}

FormatGroup formatGroup(const Tournament &t, GroupId g)
{
    const GroupCells &cells = t.group(g);
    FormatGroup group;
    const std::vector<PlayedMatch> matches = playedMatches(t, g);
    for (const PlayedMatch &m : matches) {
        TeamFigures &first = group.figures[std::size_t(m.first)];
        TeamFigures &second = group.figures[std::size_t(m.second)];
        first.played += 1;
        second.played += 1;
        if (m.firstGoals > m.secondGoals) {
            first.points += 3;
            first.wins += 1;
        } else if (m.secondGoals > m.firstGoals) {
            second.points += 3;
            second.wins += 1;
        } else {
            first.points += 1;
            second.points += 1;
        }
        first.goalsFor += m.firstGoals;
        first.goalsAgainst += m.secondGoals;
        second.goalsFor += m.secondGoals;
        second.goalsAgainst += m.firstGoals;
    }
    for (int slot = 1; slot <= 4; ++slot) {
        TeamFigures &f = group.figures[std::size_t(slot - 1)];
        f.marked = numericValue((*cells.team)[slot].tag) != 0;
        const QString &conduct = cells.conduct->text(slot);
        if (!conduct.trimmed().isEmpty())
            f.conduct = numericValue(conduct);
    }
    group.complete = matches.size() == GroupFixtures.size();
    group.ranked = rankTeams({group.figures.begin(), group.figures.end()}, matches, t.rules().groupCriteria);
    return group;
}

std::vector<FormatGroup> formatGroups(const Tournament &t)
{
    std::vector<FormatGroup> groups;
    for (GroupId g : t.groupIds())
        groups.push_back(formatGroup(t, g));
    return groups;
}

ThirdsStanding thirdsStanding(const Tournament &t, const std::vector<FormatGroup> &groups)
{
    ThirdsStanding thirds;
    thirds.through = t.rules().thirdsThrough;
    thirds.known = true;
    for (GroupId g : t.groupIds()) {
        const FormatGroup &group = groups[std::size_t(groupIndex(g))];
        thirds.known = thirds.known && group.placeKnown(3);
        thirds.groups.push_back(g);
        thirds.slotInGroup.push_back(group.slotAt(3));
        thirds.figures.push_back(group.figures[std::size_t(group.slotAt(3) - 1)]);
    }
    thirds.ranked = rankTeams(thirds.figures, {}, t.rules().thirdsCriteria);
    return thirds;
}

void computeFormatGroup(Tournament &t, GroupId g)
{
    const GroupCells &cells = t.group(g);
    const FormatGroup group = formatGroup(t, g);
    for (int slot = 1; slot <= 4; ++slot) {
        const TeamFigures &f = group.figures[std::size_t(slot - 1)];
        t.setText(*cells.goalsFor, slot, formatNumber(f.goalsFor));
        t.setText(*cells.goalsAgainst, slot, formatNumber(f.goalsAgainst));
        t.setText(*cells.difference, slot, formatNumber(f.difference()));
        t.setText(*cells.played, slot, f.played > 0 ? QString::number(f.played) : QString());
        t.setText(*cells.points, slot, QString::number(f.points));
    }
    bool level = false;
    for (int place = 1; place <= 4; ++place) {
        const int slot = group.slotAt(place);
        // A third's colour waits for the other groups: refreshFormatKnockout.
        const bool through = place <= 2 && group.placeKnown(place);
        const bool out = place == 4 && group.placeKnown(place);
        if (place != 3) {
            t.setBold(*cells.team, slot, through);
            t.setTextColour(*cells.team, slot,
                            through ? colours::qualified
                            : out   ? colours::eliminated
                                    : colours::black);
        }
        for (CellFamily *f : {cells.team, cells.goalsFor, cells.goalsAgainst, cells.points, cells.difference})
            t.setRow(*f, slot, placeRow(place));
        t.setRow(*cells.played, slot, placeRow(place) + 15);
        level = level || group.ranked.levelWithNext(std::size_t(place - 1));
    }
    t.setText(*cells.tieNotice, 0, group.complete && level ? t.messages().at(Message::drawLots) : QString());
}

namespace {

void colourThirds(Tournament &t, const std::vector<FormatGroup> &groups, const ThirdsStanding &thirds)
{
    const quint16 qualifying = thirds.qualifying();
    for (std::size_t i = 0; i < thirds.groups.size(); ++i) {
        const GroupId g = thirds.groups[i];
        const bool through = qualifying & (1u << groupIndex(g));
        const bool known = thirds.decided() && groups[std::size_t(groupIndex(g))].placeKnown(3);
        CellFamily &team = *t.group(g).team;
        t.setBold(team, thirds.slotInGroup[i], known && through);
        t.setTextColour(team, thirds.slotInGroup[i],
                        !known    ? colours::black
                        : through ? colours::qualified
                                  : colours::eliminated);
    }
}

QString seededTeam(const Tournament &t, const std::vector<FormatGroup> &groups, const ThirdsStanding &thirds,
                   const BracketSlot &slot, const BracketSlot &opponent)
{
    switch (slot.kind) {
    case BracketSlot::Kind::Winner:
    case BracketSlot::Kind::RunnerUp: {
        const GroupId g = GroupId(slot.group);
        const int place = slot.kind == BracketSlot::Kind::Winner ? 1 : 2;
        const FormatGroup &group = groups[std::size_t(slot.group)];
        return group.placeKnown(place) ? teamAt(t, g, group.slotAt(place)) : notKnown;
    }
    case BracketSlot::Kind::Third: {
        const std::optional<GroupId> g = thirdFilling(t, thirds, opponent);
        if (!g)
            return notKnown;
        const auto at = std::find(thirds.groups.begin(), thirds.groups.end(), *g);
        return teamAt(t, *g, thirds.slotInGroup[std::size_t(at - thirds.groups.begin())]);
    }
    case BracketSlot::Kind::MatchWinner:
    case BracketSlot::Kind::MatchLoser:
        break;
    }
    return notKnown;
}

} // namespace

std::optional<GroupId> thirdFilling(const Tournament &t, const ThirdsStanding &thirds, const BracketSlot &opponent)
{
    const ThirdsTable &table = t.rules().thirds;
    const auto column = std::find(table.winners.begin(), table.winners.end(), opponent.group);
    if (!thirds.decided() || column == table.winners.end())
        return std::nullopt;
    const std::optional<int> g = table.thirdFacing(thirds.qualifying(), int(column - table.winners.begin()));
    return g ? std::optional(GroupId(*g)) : std::nullopt;
}

void DrawThirdsLots(Tournament &t, GroupId g)
{
    const std::vector<FormatGroup> groups = formatGroups(t);
    const ThirdsStanding thirds = thirdsStanding(t, groups);
    if (!thirds.known || thirds.decided())
        return;
    // Only the thirds level with those on either side of the line may be
    // put ahead: a click elsewhere changes nothing.
    const std::size_t line = std::size_t(thirds.through - 1);
    std::size_t first = line;
    while (first > 0 && thirds.ranked.levelWithNext(first - 1))
        --first;
    std::size_t last = line + 1;
    while (thirds.ranked.levelWithNext(last))
        ++last;
    for (std::size_t place = first; place <= last; ++place) {
        const std::size_t i = std::size_t(thirds.ranked.order[place]);
        if (thirds.groups[i] == g) {
            t.setTag(*t.group(g).team, thirds.slotInGroup[i], QStringLiteral("1"));
            computeFormatGroup(t, g);
            refreshFormatKnockout(t);
        }
    }
}

void refreshFormatKnockout(Tournament &t)
{
    const std::vector<FormatGroup> groups = formatGroups(t);
    const ThirdsStanding thirds = thirdsStanding(t, groups);
    colourThirds(t, groups, thirds);
    const Round first = t.rounds().front();
    CellFamily &teams = *t.round(first).team;
    int side = 0;
    for (const BracketMatch *m : t.rules().matchesOf(first)) {
        t.setText(teams, side++, seededTeam(t, groups, thirds, m->sides[0], m->sides[1]));
        t.setText(teams, side++, seededTeam(t, groups, thirds, m->sides[1], m->sides[0]));
    }
    WalkBracket(t);
}
