#pragma once

#include <QString>

// The tournaments the program can show, by their entry in the year lists:
// 1 = 1998, 2 = 2002, 3 = 2006, 4 = 2010, 5 = 2014, 6 = 2018, 7 = 2022
// (entry 0 is the prompt).
namespace Tournaments {

inline constexpr int first = 1;
inline constexpr int last = 7;
// The tournament the program follows; the others are past ones.
inline constexpr int current = 4;

// "1998" .. "2022"; empty for any other entry.
QString year(int entry);
// The chart of a year's tournament: "VYL" and the year.
QString chartName(int entry);
// The entry whose chart is `chartName`, or 0 for a chart of no listed year.
int entryOfChart(const QString &chartName);
// The year of the tournament a chart holds; the current one's for a chart
// of no listed year.
QString yearOfChart(const QString &chartName);

} // namespace Tournaments
