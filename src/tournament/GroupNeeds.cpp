#include "tournament/GroupNeeds.h"

#include "tournament/GroupFixtures.h"
#include "tournament/GroupStage.h"
#include "tournament/NumericValue.h"
#include "tournament/Tournament.h"

#include <vector>

namespace {

enum Result { HomeWin, Draw, AwayWin };

// What every outcome with a given result of the team's next match had in
// common, and the same over all outcomes.
struct Always
{
    bool topTwo = true;    // even losing every tie on points
    bool outside = true;   // even winning every tie on points
    bool undecided = true; // neither of the two in any outcome
};

} // namespace

std::optional<std::array<TeamNeeds, 4>> needs(const Tournament &t, GroupId g)
{
    const CellFamily &score = *t.group(g).score;
    std::vector<int> remaining;
    for (int m = 0; m < int(GroupFixtures.size()); ++m)
        if (!isPlayed(score.text(2 * m)) || !isPlayed(score.text(2 * m + 1)))
            remaining.push_back(m);
    if (remaining.empty())
        return std::nullopt;

    const GroupTable table = groupTable(t, g);
    std::array<int, 4> basePoints{};
    for (std::size_t s = 0; s < 4; ++s)
        basePoints[s] = table.rows[s].points;

    // Per slot: the position in `remaining` of its next match, or -1.
    std::array<int, 4> next{-1, -1, -1, -1};
    for (int j = int(remaining.size()) - 1; j >= 0; --j) {
        const Fixture &f = GroupFixtures[std::size_t(remaining[std::size_t(j)])];
        next[std::size_t(f.home - 1)] = j;
        next[std::size_t(f.away - 1)] = j;
    }

    std::array<Always, 4> overall{};
    std::array<std::array<Always, 3>, 4> byResult{}; // win, draw, loss

    // Every combination of results, as the digits of a base-3 counter.
    std::vector<Result> results(remaining.size(), HomeWin);
    for (bool more = true; more;) {
        std::array<int, 4> points = basePoints;
        for (std::size_t j = 0; j < remaining.size(); ++j) {
            const Fixture &f = GroupFixtures[std::size_t(remaining[j])];
            switch (results[j]) {
            case HomeWin:
                points[std::size_t(f.home - 1)] += 3;
                break;
            case Draw:
                points[std::size_t(f.home - 1)] += 1;
                points[std::size_t(f.away - 1)] += 1;
                break;
            case AwayWin:
                points[std::size_t(f.away - 1)] += 3;
                break;
            }
        }
        for (std::size_t s = 0; s < 4; ++s) {
            int above = 0;
            int level = 0;
            for (std::size_t o = 0; o < 4; ++o) {
                above += o != s && points[o] > points[s];
                level += o != s && points[o] == points[s];
            }
            const bool topTwo = above + level <= 1;
            const bool outside = above >= 2;
            overall[s].topTwo = overall[s].topTwo && topTwo;
            overall[s].outside = overall[s].outside && outside;
            if (next[s] >= 0) {
                const std::size_t j = std::size_t(next[s]);
                const bool home = GroupFixtures[std::size_t(remaining[j])].home == int(s + 1);
                const int result = results[j] == Draw ? 1 : (results[j] == HomeWin) == home ? 0 : 2;
                Always &always = byResult[s][std::size_t(result)];
                always.topTwo = always.topTwo && topTwo;
                always.outside = always.outside && outside;
                always.undecided = always.undecided && !topTwo && !outside;
            }
        }

        more = false;
        for (Result &r : results) {
            if (r != AwayWin) {
                r = Result(r + 1);
                more = true;
                break;
            }
            r = HomeWin;
        }
    }

    std::array<TeamNeeds, 4> teams{};
    for (std::size_t s = 0; s < 4; ++s) {
        TeamNeeds &team = teams[s];
        team.status = overall[s].topTwo    ? NeedStatus::Qualified
                      : overall[s].outside ? NeedStatus::Eliminated
                                           : NeedStatus::Open;
        team.otherMatchesLeft = int(remaining.size()) - (next[s] >= 0 ? 1 : 0);
        if (team.status != NeedStatus::Open || next[s] < 0)
            continue;
        std::array<ResultVerdict, 3> verdicts{};
        for (std::size_t r = 0; r < 3; ++r) {
            const Always &always = byResult[s][r];
            verdicts[r] = always.topTwo    ? ResultVerdict::Through
                          : always.outside ? ResultVerdict::Out
                                           : ResultVerdict::Depends;
            team.onlyGoalsDecide[r] = always.undecided;
        }
        team.nextMatch = verdicts;
    }
    return teams;
}

QString statusName(NeedStatus status)
{
    switch (status) {
    case NeedStatus::Qualified:
        return QStringLiteral("qualified");
    case NeedStatus::Eliminated:
        return QStringLiteral("eliminated");
    case NeedStatus::Open:
        break;
    }
    return QStringLiteral("open");
}

QString verdictName(ResultVerdict verdict)
{
    switch (verdict) {
    case ResultVerdict::Through:
        return QStringLiteral("through");
    case ResultVerdict::Out:
        return QStringLiteral("out");
    case ResultVerdict::Depends:
        break;
    }
    return QStringLiteral("depends");
}
