#include "tournament/Knockout.h"

#include "tournament/FormatStage.h"
#include "tournament/NumericValue.h"
#include "tournament/Tournament.h"

#include <QVarLengthArray>

namespace {

const QString notKnown = QStringLiteral("-");

struct Seeding
{
    std::array<int, 8> winner; // by group A..H
    std::array<int, 8> runnerUp;
};

constexpr Seeding standardSeeding{{0, 4, 2, 6, 8, 12, 10, 14}, {5, 1, 7, 3, 13, 9, 15, 11}};
constexpr Seeding seeding2002{{0, 12, 2, 14, 8, 4, 10, 6}, {5, 9, 7, 11, 13, 1, 15, 3}};

constexpr std::array<const char16_t *, 16> placeholders{
    u"1 Gr A", u"2 Gr B", u"1 Gr C", u"2 Gr D", u"1 Gr B", u"2 Gr A", u"1 Gr D", u"2 Gr C",
    u"1 Gr E", u"2 Gr F", u"1 Gr G", u"2 Gr H", u"1 Gr F", u"2 Gr E", u"1 Gr H", u"2 Gr G"};

} // namespace

std::array<int, 8> roundOf16Destinations(const QString &chart)
{
    if (chart == u"VYL1998")
        return {3, 0, 1, 2, 4, 7, 6, 5};
    return {0, 1, 4, 5, 2, 3, 6, 7};
}

std::array<int, 4> quarterFinalDestinations(const QString &chart)
{
    if (chart == u"VYL1998")
        return {0, 3, 2, 1};
    if (chart == u"VYL2002")
        return {0, 2, 1, 3};
    return {0, 1, 2, 3};
}

namespace {

void setWinner(Tournament &t, CellFamily &team, int side, bool winner)
{
    t.setBackground(team, side, winner ? colours::winner : colours::white);
    t.setTextColour(team, side, winner ? colours::white : colours::black);
}

// A round's sides, the round of 32's at most: on the stack.
using SideTotals = QVarLengthArray<float, 32>;

struct Outcome
{
    int winner = -1; // side index, -1 while undecided
    int loser = -1;
};

// Decides match k of a round and colours its two team cells. A match is
// decided when both goal cells are played and the totals differ. A score
// against a side that is no longer known decides nothing: otherwise "-"
// could win and stand on the podium, or a team could go on past a match
// whose opponent the user has since undone.
Outcome decideMatch(Tournament &t, const RoundCells &round, int k, const SideTotals &totals)
{
    const int a = 2 * k;
    const int b = a + 1;
    Outcome outcome;
    if (isPlayed(round.goals->text(a)) && isPlayed(round.goals->text(b)) && round.team->text(a) != notKnown &&
        round.team->text(b) != notKnown) {
        if (totals[std::size_t(a)] > totals[std::size_t(b)])
            outcome = {a, b};
        else if (totals[std::size_t(a)] < totals[std::size_t(b)])
            outcome = {b, a};
    }
    setWinner(t, *round.team, a, outcome.winner == a);
    setWinner(t, *round.team, b, outcome.winner == b);
    return outcome;
}

SideTotals sideTotals(const RoundCells &round)
{
    SideTotals totals(round.sides);
    for (int side = 0; side < round.sides; ++side)
        totals[std::size_t(side)] = sideTotal(round.goals->text(side), round.penalties->text(side));
    return totals;
}

QString teamOf(const RoundCells &round, int side)
{
    return side < 0 ? notKnown : round.team->text(side);
}

template <std::size_t N> void advanceRound(Tournament &t, Round from, const std::array<int, N> &destinations)
{
    const RoundCells &round = t.round(from);
    CellFamily &next = *t.round(Round(int(from) + 1)).team;
    const SideTotals totals = sideTotals(round);
    if (from == Round::RoundOf16)
        for (int side = 0; side < round.sides; ++side)
            t.setToolTip(*round.goals, side, formatSingle(totals[std::size_t(side)]));
    for (std::size_t k = 0; k < N; ++k)
        t.setText(next, destinations[k], teamOf(round, decideMatch(t, round, int(k), totals).winner));
}

// The final and the third-place match: the winner and loser go to two
// podium places, which stay empty while the match is undecided.
void decidePodiumMatch(Tournament &t, Round which, int firstPlace)
{
    const RoundCells &round = t.round(which);
    const Outcome outcome = decideMatch(t, round, 0, sideTotals(round));
    const bool decided = outcome.winner >= 0;
    t.setText(t.podium(), firstPlace, decided ? round.team->text(outcome.winner) : QString());
    t.setText(t.podium(), firstPlace + 1, decided ? round.team->text(outcome.loser) : QString());
}

} // namespace

float sideTotal(const QString &goals, const QString &penalties)
{
    if (!isPlayed(goals))
        return 0;
    return float(numericValue(goals)) + float(numericValue(penalties));
}

bool shootOutOutOfPlace(const Tournament &t, Round r, int match)
{
    const RoundCells &round = t.round(r);
    const int a = 2 * match;
    const int b = a + 1;
    const QString &goalsA = round.goals->text(a);
    const QString &goalsB = round.goals->text(b);
    if (!isPlayed(goalsA) || !isPlayed(goalsB))
        return false;
    if (numericValue(goalsA) != numericValue(goalsB))
        return isPlayed(round.penalties->text(a)) || isPlayed(round.penalties->text(b));
    return sideTotal(goalsA, round.penalties->text(a)) == sideTotal(goalsB, round.penalties->text(b));
}

void SeedRoundOf16(Tournament &t)
{
    RefreshGoalTotal(t);
    CellFamily &huit = *t.round(Round::RoundOf16).team;
    for (int i = 0; i <= 15; ++i)
        t.setText(huit, i, notKnown);

    const Seeding &table = t.chartName() == u"VYL2002" ? seeding2002 : standardSeeding;
    for (int slot = 1; slot <= 4; ++slot) {
        for (GroupId g : allGroups) {
            const Cell &team = (*t.group(g).team)[slot];
            if (team.textColour != colours::qualified)
                continue;
            const std::size_t gi = std::size_t(groupIndex(g));
            if (team.row == 690)
                t.setText(huit, table.winner[gi], team.text);
            else if (team.row == 945)
                t.setText(huit, table.runnerUp[gi], team.text);
        }
    }

    for (int i = 0; i <= 15; ++i) {
        const bool known = huit.text(i) != notKnown;
        t.setText(huit, 16 + i, known ? huit.text(i) : QString::fromUtf16(placeholders[std::size_t(i)]));
        t.setBold(huit, 16 + i, known);
        t.setTextColour(huit, 16 + i, known ? colours::seeded : colours::black);
    }
}

void AdvanceRoundOf16(Tournament &t)
{
    advanceRound(t, Round::RoundOf16, roundOf16Destinations(t.chartName()));
    AdvanceQuarterFinals(t);
}

void AdvanceQuarterFinals(Tournament &t)
{
    advanceRound(t, Round::QuarterFinals, quarterFinalDestinations(t.chartName()));
    AdvanceSemiFinals(t);
}

void RerunBracket(Tournament &t)
{
    if (!t.rules().isWc32()) {
        refreshFormatKnockout(t);
        return;
    }
    SeedRoundOf16(t);
    AdvanceRoundOf16(t);
}

void AdvanceSemiFinals(Tournament &t)
{
    RefreshGoalTotal(t);
    const RoundCells &semis = t.round(Round::SemiFinals);
    CellFamily &final = *t.round(Round::Final).team;
    CellFamily &thirdPlace = *t.round(Round::ThirdPlace).team;
    const SideTotals totals = sideTotals(semis);
    for (int k = 0; k < 2; ++k) {
        const Outcome outcome = decideMatch(t, semis, k, totals);
        t.setText(final, k, teamOf(semis, outcome.winner));
        t.setText(thirdPlace, k, teamOf(semis, outcome.loser));
    }
    DecideFinal(t);
}

void DecideFinal(Tournament &t)
{
    decidePodiumMatch(t, Round::Final, 1);
    DecideThirdPlace(t);
}

void DecideThirdPlace(Tournament &t)
{
    decidePodiumMatch(t, Round::ThirdPlace, 3);
}

double goalTotal(const Tournament &t)
{
    double total = 0;
    auto add = [&](const CellFamily &goals, int last) {
        for (int i = 0; i <= last; ++i)
            if (isPlayed(goals.text(i)))
                total += numericValue(goals.text(i));
    };
    for (GroupId g : t.groupIds())
        add(*t.group(g).score, 11);
    for (Round r : t.rounds())
        add(*t.round(r).goals, t.round(r).sides - 1);
    return total;
}

void RefreshGoalTotal(Tournament &t)
{
    if (t.isGoalTotalHeld())
        return;
    for (int i = 0; i <= 11; ++i) {
        for (GroupId g : t.groupIds()) {
            CellFamily &score = *t.group(g).score;
            t.setBackground(score, i, isPlayed(score.text(i)) ? colours::white : colours::buttonFace);
        }
    }
    const QString caption = formatNumber(goalTotal(t)) + u' ' + t.messages().at(Message::goals);
    t.setText(t.family(QStringLiteral("Label15")), 0, caption);
    t.setText(t.family(QStringLiteral("Label21")), 0, caption);
}

void WalkBracket(Tournament &t)
{
    RefreshGoalTotal(t);
    struct Result
    {
        QString winner = notKnown;
        QString loser = notKnown;
    };
    // By official number, which the bracket counts up from its first match;
    // a match not decided yet in this pass has no team to give.
    const std::vector<BracketMatch> &bracket = t.rules().bracket;
    const int first = bracket.empty() ? 0 : bracket.front().number;
    std::vector<Result> results(bracket.size());
    const auto resultOf = [&](int number) -> Result * {
        const std::size_t i = std::size_t(number - first);
        return number >= first && i < results.size() ? &results[i] : nullptr;
    };
    for (Round r : t.rounds()) {
        const RoundCells &round = t.round(r);
        const std::span<const BracketMatch> matches = t.rules().matchesOf(r);
        if (r != t.rounds().front()) {
            for (std::size_t k = 0; k < matches.size(); ++k) {
                for (int s = 0; s < 2; ++s) {
                    const BracketSlot &slot = matches[k].sides[std::size_t(s)];
                    const Result *from = resultOf(slot.match);
                    t.setText(*round.team, int(2 * k) + s,
                              !from                                         ? notKnown
                              : slot.kind == BracketSlot::Kind::MatchWinner ? from->winner
                                                                            : from->loser);
                }
            }
        }
        const SideTotals totals = sideTotals(round);
        for (std::size_t k = 0; k < matches.size(); ++k) {
            const Outcome outcome = decideMatch(t, round, int(k), totals);
            if (Result *to = resultOf(matches[k].number))
                *to = {teamOf(round, outcome.winner), teamOf(round, outcome.loser)};
        }
    }
    decidePodiumMatch(t, Round::Final, 1);
    if (t.hasRound(Round::ThirdPlace))
        decidePodiumMatch(t, Round::ThirdPlace, 3);
    else
        for (int place = 3; place <= 4; ++place)
            t.setText(t.podium(), place, QString());
}
