// How long the needs of all eight groups take at the start of the last
// matchday, when every group has two matches left (the moment people look
// at them most), and before the first match, the most outcomes there are.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <QCoreApplication>

#include "support/Results2010.h"
#include "tournament/GroupNeeds.h"
#include "tournament/Tournament.h"

namespace {

double medianMicroseconds(const Tournament &t)
{
    constexpr int runs = 1001;
    std::vector<double> times;
    std::size_t teams = 0; // read back, so that the work cannot be optimised away
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        for (GroupId g : allGroups)
            teams += needs(t, g)->size();
        const auto stop = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
    }
    if (teams != 32 * runs)
        std::fprintf(stderr, "a group had no needs\n");
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Tournament t;
    std::printf("median of 1001 runs, all eight groups\n");
    std::printf("%-50s %10.1f us\n", "needs before the first match", medianMicroseconds(t));

    nameTeams2010(t);
    t.setReady(true);
    enterResults2010(t);
    for (GroupId g : allGroups)
        for (int i = 8; i <= 11; ++i)
            t.setText(*t.group(g).score, i, QStringLiteral("-"));
    std::printf("%-50s %10.1f us\n", "needs before the last matchday of 2010", medianMicroseconds(t));
    return 0;
}
