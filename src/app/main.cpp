#include "gui/kit/ChartLook.h"
#include "app/Clock.h"
#include "gui/kit/Prompts.h"
#include "app/VyloraApp.h"
#include "cli/ChartReport.h"
#include "cli/ChartUpdate.h"
#include "cli/SheetCommand.h"
#include "gui/pictures/Pictures.h"
#include "i18n/LanguageIndex.h"
#include "schedule/UserZone.h"
#include "online/ServerSettings.h"
#include "storage/ProgramFolder.h"
#include "storage/UserSettings.h"

#include <initializer_list>

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
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
    QCommandLineOption update{QStringLiteral("update"),
                              QStringLiteral("Download the published results over the chart file and quit.")};
    QCommandLineOption server{QStringLiteral("server"), QStringLiteral("Base address of the update server."),
                              QStringLiteral("url")};

    QCommandLineOption sheet{QStringLiteral("sheet"),
                             QStringLiteral("Draw the printed sheet into a .bmp, .png or .pdf file and quit."),
                             QStringLiteral("out")};
    QCommandLineOption chart{QStringLiteral("chart"),
                             QStringLiteral("The chart file of --sheet (default: the program folder's 2010 chart)."),
                             QStringLiteral("file")};

    QCommandLineOption timeZone{QStringLiteral("time-zone"),
                                QStringLiteral("Show kick-off times in this zone (e.g. America/New_York)."),
                                QStringLiteral("zone")};

    void addTo(QCommandLineParser &parser) const
    {
        parser.addOptions({dataDir, report, json, render, update, server, sheet, chart, timeZone});
    }

    // False, told on err, when the server address given is no web address.
    bool applyServer(const QCommandLineParser &parser, QTextStream &err) const
    {
        if (!parser.isSet(server) || ServerSettings::overrideBaseUrl(parser.value(server)))
            return true;
        err << "vylora: --server needs an http or https address with a host: " << parser.value(server) << Qt::endl;
        return false;
    }
};

// The language file of the user's language, in their program folder, or
// the shipped one before the first start has copied it there.
QString reportLanguageFile(const QStringList &arguments, const UserSettings &settings)
{
    const QString name = languageFileName(languageIndexFromStored(settings.language()));
    if (name.isEmpty())
        return QString();
    ProgramFolder::choose(arguments);
    const QString own = ProgramFolder::filePath(name);
    return QFileInfo::exists(own) ? own : ProgramFolder::shippedFolder() + u'/' + name;
}

// The report and the update never need a window, nor a display to open
// one on.
int runHeadless(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    Options options;
    options.addTo(parser);
    parser.process(app);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (parser.isSet(options.report)) {
        const UserSettings settings;
        return runChartReport(parser.value(options.report), parser.isSet(options.json),
                              userZone(parser.value(options.timeZone), settings.timeZone()),
                              reportLanguageFile(app.arguments(), settings), out, err);
    }
    if (!options.applyServer(parser, err))
        return 1;
    ProgramFolder::choose(app.arguments());
    return runChartUpdate(out, err);
}

bool wants(int argc, char *argv[], std::initializer_list<const char *> options)
{
    for (int i = 1; i < argc; ++i)
        for (const char *option : options)
            if (qstrcmp(argv[i], option) == 0
                || (qstrncmp(argv[i], option, qstrlen(option)) == 0 && argv[i][qstrlen(option)] == '='))
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
    if (!options.applyServer(parser, err))
        return 1;
    QString chart = parser.value(options.chart);
    if (chart.isEmpty()) {
        ProgramFolder::choose(app.arguments());
        ProgramFolder::seedFrom(ProgramFolder::shippedFolder());
        chart = ProgramFolder::filePath(QStringLiteral("VYL2010.ini"));
    }
    // The web link at the sheet's foot is the author's site, the update server's home page.
    return runSheetCommand(parser.value(options.sheet), chart, ServerSettings::siteUrl().value_or(QUrl()).toString(),
                           err);
}

} // namespace

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(resources); // the resources live in a static library
    if (wants(argc, argv, {"--report", "--update"}))
        return runHeadless(argc, argv);
    if (wants(argc, argv, {"--sheet"}))
        return runSheet(argc, argv);

    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    chartLook::applyApplicationLook();
    // The desktop finds the menu entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vylora.Vylora"));
    QApplication::setWindowIcon(QIcon(Pictures::champion(QSize(64, 64))));
    QCommandLineParser parser;
    parser.addHelpOption();
    Options options;
    options.addTo(parser);
    parser.process(app);
    QTextStream err(stderr);
    if (!options.applyServer(parser, err))
        return 1;

    ProgramFolder::choose(app.arguments());
    ProgramFolder::seedFrom(ProgramFolder::shippedFolder());

    Prompts prompts;
    Clock clock;
    UserSettings settings;
    VyloraApp vylora(prompts, clock, settings);
    vylora.setHeadless(parser.isSet(options.render));
    vylora.setTimeZoneOption(parser.value(options.timeZone));
    if (!vylora.start())
        return 0;
    if (parser.isSet(options.render))
        return vylora.window().grab().save(parser.value(options.render)) ? 0 : 1;
    vylora.window().show();
    return app.exec();
}
