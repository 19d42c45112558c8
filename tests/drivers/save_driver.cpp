// A child process for the tests that must see a save die midway: killed at
// a random moment, stopped by a file-size limit, or racing another save.
//
//   save_driver FOLDER save VARIANT [LIMIT]   one SaveChart; 0 saved, 1 failed
//   save_driver FOLDER write LENGTH [LIMIT]   one WriteIniValue of LENGTH letters
//   save_driver FOLDER loop                   saves variants 0 and 1 until killed
//   save_driver FOLDER race COUNT             COUNT saves, each followed by a load;
//                                             2 when a load found no chart
//   save_driver FOLDER start                  the folder chosen as at start-up
//
// LIMIT is a file-size limit in bytes: writes past it fail as on a full disk.
#include <csignal>
#include <cstdio>

#include <sys/resource.h>

#include <QCoreApplication>
#include <QStringList>

#include "storage/ChartFile.h"
#include "storage/ModuleSetting.h"
#include "storage/ProgramFolder.h"
#include "support/SaveVariants.h"
#include "tournament/Tournament.h"

namespace {

const QString chart = QStringLiteral("VYL2010");

void limitFileSize(const QStringList &args, int at)
{
    if (args.size() <= at)
        return;
    std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of ending the process
    const rlim_t limit = args[at].toULongLong();
    const rlimit size{limit, limit};
    setrlimit(RLIMIT_FSIZE, &size);
}

bool save(int variant)
{
    Tournament t;
    t.setChartName(chart);
    fillSaveVariant(t, variant);
    return SaveChart(t);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 64;
    const QString command = args[2];
    if (command == u"start") {
        ProgramFolder::choose(args[1]);
        return 0;
    }
    ProgramFolder::setPath(args[1]);

    if (command == u"save") {
        limitFileSize(args, 4);
        return save(args.value(3).toInt()) ? 0 : 1;
    }
    if (command == u"write") {
        limitFileSize(args, 4);
        const QString value(args.value(3).toInt(), u'x');
        return WriteIniValue(chart, QStringLiteral("Mess"), QStringLiteral("0"), value) ? 0 : 1;
    }
    if (command == u"loop") {
        for (int variant = 0;; variant = 1 - variant)
            save(variant);
    }
    if (command == u"race") {
        const int count = args.value(3).toInt();
        for (int i = 0; i < count; ++i) {
            if (!save(i % 2))
                return 1;
            Tournament loaded;
            LoadChart(loaded, chart, 0);
            if (loaded.group(GroupId::A).team->text(1) == u"A1")
                return 2;
        }
        return 0;
    }
    return 64;
}
