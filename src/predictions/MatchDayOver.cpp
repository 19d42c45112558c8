#include "predictions/MatchDayOver.h"

#include <array>
#include <bit>

#include "predictions/PredictionRanking.h"

namespace {

// Days 0 to 2 are the group days; then the round of 16 to the final.
constexpr int groupDays = 3;
constexpr std::array<int, roundsWithTeams> teamsInRound{16, 8, 4, 2};

} // namespace

bool matchDayOver(const PredictionFigures &results, int day)
{
    // The round of 32 is over once the round of 16 is whole.
    if (day == roundOf32Day)
        return std::popcount(results.rounds[0]) >= teamsInRound[0];
    if (day < groupDays) {
        for (int g = 0; g < results.groups; ++g)
            for (int m = 2 * day; m < 2 * day + 2; ++m)
                if (!results.matches[std::size_t(g * 6 + m)].played)
                    return false;
        return true;
    }
    const int next = day - groupDays + 1;
    if (next >= roundsWithTeams)
        return results.champion >= 0;
    return std::popcount(results.rounds[std::size_t(next)]) >= teamsInRound[std::size_t(next)];
}
