#include "history/Ranking.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "history/NameOrder.h"
#include "tournament/FormatStage.h"
#include "tournament/GroupStage.h"
#include "tournament/Tournament.h"

namespace {

struct Entry
{
    RankedTeam ranked;
    double score = 0;
    StandingRow record;
};

// Points a team earns for each knock-out cell that holds its name: for
// standing there, and for standing there as the winner.
struct RoundBonus
{
    Round round;
    int present;
    int won;
};

constexpr std::array<RoundBonus, 5> bonuses{{{Round::RoundOf16, 50, 100},
                                             {Round::QuarterFinals, 0, 200},
                                             {Round::SemiFinals, 0, 1000},
                                             {Round::ThirdPlace, 0, 500},
                                             {Round::Final, 0, 2000}}};

double knockoutBonus(const Tournament &t, const QString &team)
{
    double bonus = 0;
    for (const RoundBonus &b : bonuses) {
        const RoundCells &round = t.round(b.round);
        for (int side = 0; side < round.sides; ++side) {
            const Cell &cell = (*round.team)[side];
            if (cell.text != team)
                continue;
            bonus += b.present;
            if (cell.background == colours::winner)
                bonus += b.won;
        }
    }
    return bonus;
}

// The thresholds are tested in this order; the first that holds decides.
Stage stageOf(double score)
{
    if (score > 3000)
        return Stage::Champion;
    if (score >= 1000)
        return Stage::Final;
    if (score >= 500)
        return Stage::Third;
    if (score >= 200)
        return Stage::Fourth;
    if (score < 50)
        return Stage::Group;
    if (score <= 100)
        return Stage::RoundOf16;
    return Stage::QuarterFinal;
}

// The line shows the team's name in the user's language.
QString lineOf(const RankedTeam &r, const QString &groupStageText, const TeamNames &names)
{
    const QString team = names.shown(r.team);
    const QString numbered = QString::number(r.position) + u' ' + team;
    switch (r.stage) {
    case Stage::Champion:
        return team + QStringLiteral(" 1");
    case Stage::Final:
        return team + QStringLiteral(" 2");
    case Stage::Third:
        return team + QStringLiteral(" 3");
    case Stage::Fourth:
        return team + QStringLiteral(" 4");
    case Stage::QuarterFinal:
        return numbered + QStringLiteral(" 1/4");
    case Stage::RoundOf16:
        return numbered + QStringLiteral(" 1/8");
    case Stage::RoundOf32:
        return numbered + QStringLiteral(" 1/16");
    case Stage::Group:
        break;
    }
    return numbered + u' ' + groupStageText;
}

auto record(const StandingRow &r)
{
    return std::make_tuple(r.points, r.difference, r.goalsFor, r.drawMark);
}

bool inRound(const Tournament &t, Round r, const QString &team)
{
    if (!t.hasRound(r))
        return false;
    const RoundCells &round = t.round(r);
    for (int side = 0; side < round.sides; ++side)
        if (round.team->text(side) == team)
            return true;
    return false;
}

Stage formatStage(const Tournament &t, const QString &team)
{
    const CellFamily &podium = t.podium();
    if (podium.text(1) == team)
        return Stage::Champion;
    if (inRound(t, Round::Final, team))
        return Stage::Final;
    if (!t.hasRound(Round::ThirdPlace) && inRound(t, Round::SemiFinals, team))
        return Stage::Third;
    if (podium.text(3) == team)
        return Stage::Third;
    if (inRound(t, Round::ThirdPlace, team))
        return Stage::Fourth;
    if (inRound(t, Round::QuarterFinals, team))
        return Stage::QuarterFinal;
    if (inRound(t, Round::RoundOf16, team))
        return Stage::RoundOf16;
    if (inRound(t, Round::RoundOf32, team))
        return Stage::RoundOf32;
    return Stage::Group;
}

struct FormatEntry
{
    RankedTeam ranked;
    TeamFigures figures;
};

auto formatRecord(const TeamFigures &f)
{
    return std::make_tuple(f.points, f.difference(), f.goalsFor);
}

std::vector<RankedTeam> formatRanking(const Tournament &t)
{
    std::vector<FormatEntry> entries;
    const std::vector<FormatGroup> groups = formatGroups(t);
    for (GroupId g : t.groupIds()) {
        for (int slot = 1; slot <= 4; ++slot) {
            FormatEntry e;
            e.ranked.team = t.group(g).team->text(slot);
            e.figures = groups[std::size_t(groupIndex(g))].figures[std::size_t(slot - 1)];
            e.ranked.stage = formatStage(t, e.ranked.team);
            entries.push_back(std::move(e));
        }
    }
    std::stable_sort(entries.begin(), entries.end(), [](const FormatEntry &a, const FormatEntry &b) {
        if (a.ranked.stage != b.ranked.stage)
            return a.ranked.stage < b.ranked.stage;
        if (formatRecord(a.figures) != formatRecord(b.figures))
            return formatRecord(a.figures) > formatRecord(b.figures);
        return alphabeticallyBefore(b.ranked.team, a.ranked.team);
    });
    const QString groupStageText = t.messages().text(Message::groupStageExit);
    std::vector<RankedTeam> ranking;
    for (FormatEntry &e : entries) {
        e.ranked.position = int(ranking.size()) + 1;
        e.ranked.line = lineOf(e.ranked, groupStageText, t.messages().teamNames());
        ranking.push_back(std::move(e.ranked));
    }
    return ranking;
}

} // namespace

std::vector<RankedTeam> ComputeRanking(const Tournament &t)
{
    if (!t.rules().isWc32())
        return formatRanking(t);
    std::vector<Entry> entries;
    for (GroupId g : allGroups) {
        const GroupTable table = groupTable(t, g);
        for (int slot = 1; slot <= 4; ++slot) {
            Entry e;
            e.ranked.team = t.group(g).team->text(slot);
            e.record = table.rows[std::size_t(slot - 1)];
            // The group value as the tables list it: four decimals.
            const double groupValue = std::round((e.record.rankKey + 10) * 10000) / 10000;
            e.score = groupValue + knockoutBonus(t, e.ranked.team);
            e.ranked.stage = stageOf(e.score);
            entries.push_back(std::move(e));
        }
    }

    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        if (a.ranked.stage != b.ranked.stage)
            return a.ranked.stage < b.ranked.stage;
        if (record(a.record) != record(b.record))
            return record(a.record) > record(b.record);
        return alphabeticallyBefore(b.ranked.team, a.ranked.team);
    });

    const QString groupStageText = t.messages().text(Message::groupStageExit);
    std::vector<RankedTeam> ranking;
    for (Entry &e : entries) {
        e.ranked.position = int(ranking.size()) + 1;
        e.ranked.line = lineOf(e.ranked, groupStageText, t.messages().teamNames());
        ranking.push_back(std::move(e.ranked));
    }
    return ranking;
}

QStringList rankingLines(const std::vector<RankedTeam> &ranking, int firstRoundSides)
{
    QStringList lines;
    for (const RankedTeam &r : ranking) {
        if (r.position == firstRoundSides + 1)
            lines << QString(45, u'-');
        lines << r.line;
    }
    return lines;
}

std::vector<PodiumPlace> podiumPlaces(const Tournament &t)
{
    const CellFamily &podium = t.podium();
    std::vector<PodiumPlace> places;
    for (int place = 1; place <= 4; ++place)
        places.push_back({place, podium.text(place)});
    if (t.hasRound(Round::ThirdPlace))
        return places;
    const RoundCells &semiFinals = t.round(Round::SemiFinals);
    for (int match = 0; match < 2; ++match) {
        PodiumPlace &third = places[std::size_t(2 + match)];
        third.place = 3;
        for (int side = 0; side < 2; ++side) {
            const QString &winner = semiFinals.team->text(2 * match + 1 - side);
            if ((*semiFinals.team)[2 * match + 1 - side].background == colours::winner && !winner.isEmpty())
                third.team = semiFinals.team->text(2 * match + side);
        }
    }
    return places;
}
