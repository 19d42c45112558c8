#include "app/ChartLook.h"
#include "app/Clock.h"
#include "app/Prompts.h"
#include "app/SiteAddress.h"
#include "app/VyloraApp.h"
#include "cli/ChartReport.h"
#include "cli/SheetCommand.h"
#include "storage/ProgramFolder.h"
#include "storage/UserSettings.h"

#include <QApplication>
#include <QGuiApplication>
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

    QCommandLineOption sheet{QStringLiteral("sheet"),
                             QStringLiteral("Draw the printed sheet into a .bmp, .png or .pdf file and quit."),
                             QStringLiteral("out")};
    QCommandLineOption chart{QStringLiteral("chart"),
                             QStringLiteral("The chart file of --sheet (default: the program folder's 2010 chart)."),
                             QStringLiteral("file")};

    void addTo(QCommandLineParser &parser) const
    {
        parser.addOptions({dataDir, report, json, render, sheet, chart});
    }
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

bool wants(const char *option, int argc, char *argv[])
{
    const auto length = qstrlen(option);
    for (int i = 1; i < argc; ++i)
        if (qstrncmp(argv[i], option, length) == 0 && (argv[i][length] == '\0' || argv[i][length] == '='))
            return true;
    return false;
}

// The sheet needs fonts, hence a GUI application, but never a window: where
// there is no display it draws on the offscreen platform.
int runSheet(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    Options options;
    options.addTo(parser);
    parser.process(app);
    QTextStream err(stderr);
    QString chart = parser.value(options.chart);
    if (chart.isEmpty()) {
        ProgramFolder::choose(app.arguments());
        ProgramFolder::seedFrom(QStringLiteral(":/shipped"));
        chart = ProgramFolder::filePath(QStringLiteral("VYL2010.ini"));
    }
    return runSheetCommand(parser.value(options.sheet), chart, siteAddress().toString(), err);
}

} // namespace

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(resources); // the resources live in a static library
    if (wants("--report", argc, argv))
        return runReport(argc, argv);
    if (wants("--sheet", argc, argv))
        return runSheet(argc, argv);

    QApplication app(argc, argv);
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
