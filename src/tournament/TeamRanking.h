#pragma once

#include "tournament/TournamentFormat.h"

#include <optional>
#include <vector>

// A team's figures as the criteria read them.
struct TeamFigures
{
    int played = 0;
    int points = 0;
    int wins = 0;
    double goalsFor = 0;
    double goalsAgainst = 0;
    std::optional<double> conduct; // points lost to cards: fewer is better
    bool marked = false;           // the chart's manual mark

    double difference() const { return goalsFor - goalsAgainst; }
};

// A played match between two of the teams ranked, by their index.
struct PlayedMatch
{
    int first;
    int second;
    double firstGoals;
    double secondGoals;
    bool lastRound; // one of the group's two last matches
};

// Teams best first. separatedBy[i] is the criterion that put order[i] ahead
// of order[i + 1], or none when nothing the chart holds tells them apart:
// then they stand in index order, and only a mark can decide.
struct RankedTeams
{
    std::vector<int> order;
    std::vector<std::optional<Criterion>> separatedBy;

    bool levelWithNext(std::size_t place) const { return place < separatedBy.size() && !separatedBy[place]; }
    // Whether the team at `place` (0-based) is known: level with neither neighbour.
    bool placeDecided(std::size_t place) const
    {
        return !levelWithNext(place) && (place == 0 || !levelWithNext(place - 1));
    }
};

// Applies the criteria in order to the teams level so far. A head-to-head
// criterion ranks by the matches among the teams still level and is applied
// again to any smaller set it leaves level before the next criterion; the
// conduct counts only when every team still level has its figure.
RankedTeams rankTeams(const std::vector<TeamFigures> &teams, const std::vector<PlayedMatch> &matches,
                      const std::vector<Criterion> &criteria);
