#pragma once

#include <vector>

#include <QString>
#include <QStringList>

class Tournament;

// How far a team went.
enum class Stage { Champion, Final, Third, Fourth, QuarterFinal, RoundOf16, Group };

struct RankedTeam
{
    int position = 0; // 1..32
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
std::vector<RankedTeam> ComputeRanking(const Tournament &t);

// The ranking list as shown: a separator line before position 17.
QStringList rankingLines(const std::vector<RankedTeam> &ranking);
