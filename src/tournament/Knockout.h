#pragma once

#include <array>

#include <QString>

class Tournament;
enum class Round;

// The 32-team World Cup's knock-out, as the 2010 chart runs it; the other
// formats run refreshFormatKnockout and WalkBracket instead.
//
// Fills Huit 0..15 from the group places and qualified marks, and the
// summary Huit 16..31 on the group page. Only writes team names; callers
// that need the bracket current run AdvanceRoundOf16 afterwards.
void SeedRoundOf16(Tournament &t);

// The bracket chain: each operation decides its round, writes the next
// round's team cells, then calls the next operation, so calling one runs
// the bracket from its round to the podium.
void AdvanceRoundOf16(Tournament &t);
void AdvanceQuarterFinals(Tournament &t);
void AdvanceSemiFinals(Tournament &t);
void DecideFinal(Tournament &t);
void DecideThirdPlace(Tournament &t);

// The bracket of a format read from its rules, from the first round's team
// cells to the podium: every match decided, every later side filled from
// the match it names, as one pass.
void WalkBracket(Tournament &t);

// Opening the knock-out page: the round of 16 seeded afresh from the groups
// and the whole bracket run again from it, as the chart always did.
void RerunBracket(Tournament &t);

// Where the winner of each match goes in the next round of the chart:
// round-of-16 match k to quarter-final side [k], quarter-final match k to
// semi-final side [k].
std::array<int, 8> roundOf16Destinations(const QString &chart);
std::array<int, 4> quarterFinalDestinations(const QString &chart);

// Colours the group score cells by played state and shows the total of
// goals (penalties excluded) in Label15 and Label21.
void RefreshGoalTotal(Tournament &t);
double goalTotal(const Tournament &t);

// Side total of a knock-out side: goals plus penalties, 0 while its goal
// cell is unplayed.
float sideTotal(const QString &goals, const QString &penalties);

// Match k of a round typed so that the shoot-out is out of place: both
// goals played and the totals level, so that nobody goes through, or
// penalties typed while the goals already differ.
bool shootOutOutOfPlace(const Tournament &t, Round r, int match);
