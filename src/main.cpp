#include "app/ChartLook.h"
#include "app/Clock.h"
#include "app/Prompts.h"
#include "app/VyloraApp.h"
#include "cli/ChartReport.h"
#include "storage/ProgramFolder.h"
#include "storage/UserSettings.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStyleFactory>
#include <QTextStream>

namespace {

struct Options
{
    QCommandLineOption dataDir{QStringLiteral("data-dir"), QStringLiteral("Folder of the chart and language files."),
                               QStringLiteral("dir")};
    QCommandLineOption report{QStringLiteral("report"), QStringLiteral("Print the tables of a chart file and quit."),
                              QStringLiteral("file")};
    QCommandLineOption json{QStringLiteral("json"), QStringLiteral("Print the report as JSON.")};
    QCommandLineOption render{QStringLiteral("render"), QStringLiteral("Draw the window into a PNG file and quit."),
                              QStringLiteral("png")};

    void addTo(QCommandLineParser &parser) const { parser.addOptions({dataDir, report, json, render}); }
};

// The report never needs a window, nor a display to open one on.
int runReport(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    Options options;
    options.addTo(parser);
    parser.process(app);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runChartReport(parser.value(options.report), parser.isSet(options.json), out, err);
}

bool wantsReport(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "--report") == 0 || qstrncmp(argv[i], "--report=", 9) == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (wantsReport(argc, argv))
        return runReport(argc, argv);

    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources); // the resources live in a static library
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    chartLook::applyApplicationLook();
    QCommandLineParser parser;
    parser.addHelpOption();
    Options options;
    options.addTo(parser);
    parser.process(app);

    ProgramFolder::choose(app.arguments());
    ProgramFolder::seedFrom(QStringLiteral(":/shipped"));

    Prompts prompts;
    Clock clock;
    UserSettings settings;
    VyloraApp vylora(prompts, clock, settings);
    vylora.start();
    if (parser.isSet(options.render))
        return vylora.window().grab().save(parser.value(options.render)) ? 0 : 1;
    vylora.window().show();
    return app.exec();
}
