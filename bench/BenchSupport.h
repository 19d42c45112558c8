#pragma once

// What the model benches share: the median of many runs, and the plain
// reading of a score that their floors use.

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

#include <QString>

// Median of `measured` over `runs` runs, in microseconds; `prepare` runs
// untimed before each run, both get the run number.
inline double medianMicroseconds(int runs, const std::function<void(int)> &prepare,
                                 const std::function<void(int)> &measured)
{
    std::vector<double> times;
    times.reserve(std::size_t(runs));
    for (int run = 0; run < runs; ++run) {
        prepare(run);
        const auto start = std::chrono::steady_clock::now();
        measured(run);
        const auto stop = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[std::size_t(runs / 2)];
}

// A floor reads a score as nothing but its digits: the least a loop over the
// chart's texts can do.
inline int plainGoals(const QString &text)
{
    int goals = 0;
    for (QChar c : text)
        if (c >= u'0' && c <= u'9')
            goals = goals * 10 + (c.unicode() - u'0');
    return goals;
}

inline bool plainPlayed(const QString &text)
{
    return text != u"-";
}

// Where the floors leave their results, so that no loop is optimised away.
inline volatile long long benchSink = 0;
