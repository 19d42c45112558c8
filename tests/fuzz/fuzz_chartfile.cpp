// Any bytes as the chart file: loaded, refreshed as at start-up, saved and
// loaded again; the second load must give back every cell the save wrote.
#include <cstdint>
#include <cstdlib>

#include "FuzzFolder.h"
#include "storage/ChartFile.h"
#include "storage/ProgramFolder.h"
#include "tournament/RefreshAll.h"
#include "tournament/Tournament.h"

namespace {

QStringList storedTexts(const Tournament &t)
{
    QStringList texts;
    for (GroupId g : allGroups) {
        for (int i = 0; i <= 11; ++i)
            texts << t.group(g).score->text(i);
        for (int slot = 1; slot <= 4; ++slot)
            texts << t.group(g).team->text(slot) << (*t.group(g).team)[slot].tag;
    }
    for (Round r : allRounds)
        for (int i = 0; i < t.round(r).sides; ++i)
            texts << t.round(r).goals->text(i) << t.round(r).penalties->text(i);
    return texts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ProgramFolder::setPath(fuzzFolder().path());
    writeFuzzFile(QStringLiteral("VYL2010.ini"), data, size);

    Tournament t;
    LoadChart(t, QStringLiteral("VYL2010"), 0);
    t.setReady(true);
    RefreshAll(t);
    if (!SaveChart(t))
        std::abort();

    Tournament reloaded;
    LoadChart(reloaded, QStringLiteral("VYL2010"), 0);
    if (storedTexts(reloaded) != storedTexts(t))
        std::abort();
    return 0;
}
