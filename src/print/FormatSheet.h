#pragma once

#include <array>
#include <vector>

#include <QHash>
#include <QString>
#include <QStringList>

class Tournament;
struct FormatRules;

// The chart of a format other than the 32-team World Cup as its printed
// sheet shows it, read once at a redraw: every text already in the user's
// language and written as printed, so that the sheet stays what the user
// saw whatever the chart does afterwards.

struct FormatSheetRow
{
    QString group; // the thirds' ranking only
    QString team;
    QString points;
    QString difference;
    QString goalsFor;
    bool through = false;
};

struct FormatSheetScore
{
    QString home;
    QString away;
    QString homeGoals;
    QString awayGoals;
};

struct FormatSheetGroup
{
    QString caption;
    std::array<FormatSheetRow, 4> table;    // by place
    std::array<FormatSheetScore, 6> scores; // in the order of the fixtures
};

// One side of a knock-out match: the team once known, else where it comes
// from ("1A", "3ABCDF", "W74"), for the pencil.
struct FormatSheetSide
{
    QString team;
    QString origin;
    QString goals;
    QString penalties;
    bool won = false;
};

struct FormatSheetMatch
{
    std::array<FormatSheetSide, 2> sides;
};

struct FormatSheet
{
    const FormatRules *rules = nullptr; // the bracket's shape
    QStringList title;                  // one line or two
    QStringList headings;               // Gr.|Team|Pts|+/-|GF
    QString thirdsTitle;
    std::array<QString, 6> roundNames; // by Round
    QString podiumName;
    std::vector<FormatSheetGroup> groups;
    std::vector<FormatSheetRow> thirds; // as ranked
    int thirdsThrough = 0;
    QHash<int, FormatSheetMatch> matches; // by official number
    QStringList podium;                   // from the champion down
    QString link;
};

FormatSheet readFormatSheet(const Tournament &t, const QString &link);
