#pragma once

#include <vector>

#include <QString>
#include <QStringList>

class Tournament;

// How far a team went.
enum class Stage { Champion, Final, Third, Fourth, QuarterFinal, RoundOf16, RoundOf32, Group };

struct RankedTeam
{
    int position = 0; // 1..32, 1..48 in the 48-team World Cup
    QString team;
    Stage stage = Stage::Group;
    QString line; // as the statistics window lists it
};

// The final ranking of the 32 teams of the group tables, read from the
// knock-out team cells and their winner colours: each team scores its
// group value (RankKey + 10) plus 50 for a round-of-16 cell, 100 for
// winning there, 200, 1000, 500 and 2000 for winning a quarter-final,
// semi-final, third-place match and final. The score decides the stage
// and the line. Teams of one stage are ordered by their group record as
// the group tables rank (points, difference, goals for, draw mark), not by
// the score, whose decimals would let ten goals outweigh a point; equal on
// all of it, in reverse alphabetical order.
//
// A chart of another format ranks its teams by the furthest round whose
// team cells hold their name, the podium telling the final's and the
// third-place match's winners; without a third-place match both losing
// semi-finalists are third. Within a stage the group record decides
// (points, difference, goals for), then the name as above.
std::vector<RankedTeam> ComputeRanking(const Tournament &t);

struct PodiumPlace
{
    int place = 0;
    QString team; // empty while not known
};

// The four places of the podium. A format without a match for third place
// has two teams third, the semi-finals' losers, each known once its
// semi-final is.
std::vector<PodiumPlace> podiumPlaces(const Tournament &t);

// The ranking list as shown: a separator line under the teams of the first
// knock-out round, that is before position `firstRoundSides` + 1.
QStringList rankingLines(const std::vector<RankedTeam> &ranking, int firstRoundSides = 16);
