#pragma once

#include <QString>

// The tournaments the program can show, by their entry in the year lists,
// each competition in turn: the World Cups 1 = 1998, 2 = 2002, 3 = 2006,
// 4 = 2010, 5 = 2014, 6 = 2018, 7 = 2022, 8 = 2026, then the European
// Championships 9 = 2016, 10 = 2020, 11 = 2024 (entry 0 is the prompt).
namespace Tournaments {

inline constexpr int first = 1;
inline constexpr int last = 11;
inline constexpr int firstEuropean = 9;
// The tournament the program follows; the others are past ones.
inline constexpr int current = 4;

// "1998" .. "2026", "2016" .. "2024"; empty for any other entry.
QString year(int entry);
// As the year lists name it: the year, "Euro" and the year for a European
// Championship.
QString listed(int entry);
// The chart of a tournament: "VYL" and the year for a World Cup, "EURO" and
// the year for a European Championship.
QString chartName(int entry);
// The entry whose chart is `chartName`, or 0 for a chart of no listed year.
int entryOfChart(const QString &chartName);
// As listed(), for any chart named as chartName() names them ("EURO2028").
QString listedChart(const QString &chartName);
// The year of the tournament a chart holds: a listed one's, the year a
// chart of a coming tournament is named after ("EURO2028"), else the
// current one's.
QString yearOfChart(const QString &chartName);

} // namespace Tournaments
