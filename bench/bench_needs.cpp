// How long the needs of all eight groups take at the start of the last
// matchday, when every group has two matches left (the moment people look
// at them most), and before the first match, the most outcomes there are;
// beside each, the floor: a plain loop over the same scores and outcomes
// doing the least arithmetic (points, then who is top two in each outcome).
#include <array>
#include <cstdio>

#include <QCoreApplication>

#include "BenchSupport.h"
#include "support/Results2010.h"
#include "tournament/GroupFixtures.h"
#include "tournament/GroupNeeds.h"
#include "tournament/Tournament.h"

namespace {

constexpr int runs = 1001;

void plainNeeds(const Tournament &t, GroupId g)
{
    const CellFamily &score = *t.group(g).score;
    std::array<int, 4> base{};
    std::array<std::size_t, 6> remaining{};
    std::size_t left = 0;
    for (std::size_t m = 0; m < GroupFixtures.size(); ++m) {
        const QString &home = score.text(int(2 * m));
        const QString &away = score.text(int(2 * m + 1));
        if (!plainPlayed(home) || !plainPlayed(away)) {
            remaining[left++] = m;
            continue;
        }
        const int h = plainGoals(home);
        const int a = plainGoals(away);
        base[std::size_t(GroupFixtures[m].home - 1)] += h > a ? 3 : h == a ? 1 : 0;
        base[std::size_t(GroupFixtures[m].away - 1)] += a > h ? 3 : h == a ? 1 : 0;
    }
    // Every outcome of the matches left, as the digits of a base-3 counter:
    // a home win, a draw, an away win.
    std::array<int, 6> results{};
    long long topTwo = 0;
    for (bool more = true; more;) {
        std::array<int, 4> points = base;
        for (std::size_t j = 0; j < left; ++j) {
            const Fixture &f = GroupFixtures[remaining[j]];
            points[std::size_t(f.home - 1)] += results[j] == 0 ? 3 : results[j] == 1 ? 1 : 0;
            points[std::size_t(f.away - 1)] += results[j] == 2 ? 3 : results[j] == 1 ? 1 : 0;
        }
        for (std::size_t s = 0; s < 4; ++s) {
            int ahead = 0;
            for (std::size_t o = 0; o < 4; ++o)
                ahead += o != s && points[o] >= points[s];
            topTwo += ahead <= 1;
        }
        more = false;
        for (std::size_t j = 0; j < left && !more; ++j) {
            more = results[j] < 2;
            results[j] = more ? results[j] + 1 : 0;
        }
    }
    benchSink = benchSink + topTwo;
}

void report(const char *what, const Tournament &t)
{
    std::size_t teams = 0; // read back, so that the work cannot be optimised away
    const double median = medianMicroseconds(
        runs, [](int) {},
        [&](int) {
            for (GroupId g : allGroups)
                teams += needs(t, g)->size();
        });
    if (teams != 32 * runs)
        std::fprintf(stderr, "a group had no needs\n");
    const double floor = medianMicroseconds(
        runs, [](int) {},
        [&](int) {
            for (GroupId g : allGroups)
                plainNeeds(t, g);
        });
    std::printf("%-50s %10.1f us   floor %6.2f us (x%.0f)\n", what, median, floor, median / floor);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Tournament t;
    std::printf("median of %d runs, all eight groups\n", runs);
    report("needs before the first match", t);

    nameTeams2010(t);
    t.setReady(true);
    enterResults2010(t);
    for (GroupId g : allGroups)
        for (int i = 8; i <= 11; ++i)
            t.setText(*t.group(g).score, i, QStringLiteral("-"));
    report("needs before the last matchday of 2010", t);
    return 0;
}
