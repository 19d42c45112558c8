#include "app/BatchPrompts.h"
#include "app/Clock.h"
#include "app/OpenElsewhere.h"
#include "app/Options.h"
#include "app/SingleProgram.h"
#include "app/VyloraApp.h"
#include "app/WindowRun.h"
#include "cli/ChartFileLoad.h"
#include "cli/ChartReport.h"
#include "cli/ChartUpdate.h"
#include "cli/PoolCommand.h"
#include "cli/ScoreCommand.h"
#include "cli/SheetCommand.h"
#include "gui/kit/Prompts.h"
#include "i18n/LanguageFile.h"
#include "i18n/LanguageIndex.h"
#include "online/ServerSettings.h"
#include "schedule/UserZone.h"
#include "storage/OwnChart.h"
#include "storage/ProgramFolder.h"
#include "storage/UserSettings.h"
#include "tournament/MessageTable.h"
#include "tournament/ProgramVersion.h"

#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

// A PNG loses nothing at any compression: the quality asked for only trades
// the file's size for the time to write it, which the light levels save.
constexpr int renderQuality = 85;

// False, told on err, when the server address given is no web address.
bool applyServer(const Options &options, QTextStream &err)
{
    if (options.server.isEmpty() || ServerSettings::overrideBaseUrl(options.server))
        return true;
    err << "vylora: --server needs an http or https address with a host: " << options.server << Qt::endl;
    return false;
}

// Chooses the program folder; false, told on err, when it is no folder:
// a batch mode stops there rather than going on without its files.
bool chooseFolder(const Options &options, QTextStream &err)
{
    const QString folder = ProgramFolder::choose(options.dataDir);
    if (QFileInfo(folder).isDir())
        return true;
    err << "vylora: cannot use the data folder " << QDir::toNativeSeparators(folder) << ": it is no folder"
        << Qt::endl;
    return false;
}

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// The version, the help and a wrong command line need no more than a core
// application, for the texts of the parser.
int runText(int argc, char *argv[], const Options &options)
{
    QCoreApplication app(argc, argv);
    if (!options.error.isEmpty()) {
        QTextStream(stderr) << "vylora: " << options.error << Qt::endl;
        return 1;
    }
    QTextStream out(stdout);
    if (options.mode == Options::Mode::Version)
        out << "Vylora 2010 " << ProgramVersion::text() << Qt::endl;
    else
        out << Options::helpText();
    return 0;
}

// The language of a run: the one the command line names, else the one
// last chosen in the window.
LanguageIndex runLanguage(const Options &options, const UserSettings &settings)
{
    return options.language.value_or(languageIndexFromStored(settings.language()));
}

// The file of the run's language, in the user's program folder, or the
// shipped one before the first start has copied it there.
QString runLanguageFile(const Options &options, const UserSettings &settings)
{
    const QString name = languageFileName(runLanguage(options, settings));
    if (name.isEmpty())
        return QString();
    ProgramFolder::choose(options.dataDir);
    const QString own = ProgramFolder::filePath(name);
    return QFileInfo::exists(own) ? own : ProgramFolder::shippedFolder() + u'/' + name;
}

// An entry of the run's language, the catalogue's French without its file.
QString runText(const Options &options, Message entry)
{
    MessageTable messages;
    LoadLanguageMessages(runLanguageFile(options, UserSettings()), messages);
    return messages.text(entry);
}

// The report and the update never need a window, nor a display to open
// one on.
int runHeadless(int argc, char *argv[], const Options &options)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (options.mode == Options::Mode::Report) {
        const UserSettings settings;
        return runChartReport(options.report, options.json, userZone(options.timeZone, settings.timeZone()),
                              runLanguageFile(options, settings), out, err);
    }
    if (!applyServer(options, err) || !chooseFolder(options, err))
        return 1;
    if (options.mode == Options::Mode::Score)
        return runScoreCommand(options.results, options.predictions, options.json, out, err);
    if (options.mode == Options::Mode::Keep)
        return runKeepCommand(options.keep, out, err);
    if (options.mode == Options::Mode::PoolJoin)
        return runPoolJoin(options.poolJoin, options.poolCode, out, err);
    if (options.mode == Options::Mode::PoolSend)
        return runPoolSend(out, err);
    if (options.mode == Options::Mode::PoolRanking)
        return runPoolRanking({options.json, options.poolPage, options.poolPseudo}, out, err);
    // A window's chart replaced under it would go on showing what was
    // typed, and its next "Sauve" would write that over the results.
    SingleProgram single(ProgramFolder::path());
    if (!single.hold()) {
        err << "vylora: a Vylora 2010 window holds " << QDir::toNativeSeparators(ProgramFolder::path())
            << QStringLiteral(": use its \"Mise à jour\" button") << Qt::endl;
        return 1;
    }
    return runChartUpdate(out, err, runText(options, Message::myPrediction));
}

// The sheet needs fonts, hence a GUI application, but never a window: where
// there is no display it draws on the offscreen platform.
int runSheet(int argc, char *argv[], const Options &options)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (!applyServer(options, err))
        return 1;
    QString chart = options.chart;
    if (chart.isEmpty()) {
        if (!chooseFolder(options, err))
            return 1;
        ProgramFolder::seedFrom(ProgramFolder::shippedFolder());
        chart = OwnChart::filePath();
    }
    // The web link at the sheet's foot is the author's site, the update server's home page.
    return runSheetCommand(options.sheet, chart, ServerSettings::siteUrl().value_or(QUrl()).toString(),
                           runLanguageFile(options, UserSettings()), err, options.paper);
}

int runWindow(int argc, char *argv[], const Options &options)
{
    QApplication app(argc, argv);
    dressApplication(options.ownStyle);
    QTextStream err(stderr);
    if (!applyServer(options, err))
        return 1;

    const bool render = options.mode == Options::Mode::Render;
    // The window goes on without its folder; its saves say what goes wrong.
    if (!chooseFolder(options, err) && render)
        return 1;
    ProgramFolder::seedFrom(ProgramFolder::shippedFolder());

    Prompts dialogs;
    BatchPrompts told(err);
    Prompts &prompts = render ? told : dialogs;
    Clock clock;
    UserSettings settings;
    // Drawing the window saves nothing, so it needs no claim on the folder.
    SingleProgram single(ProgramFolder::path());
    if (!render && !single.claim()) {
        prompts.notice(nullptr, QStringLiteral("Vylora 2010"), openElsewhereText(runLanguage(options, settings)));
        return 0;
    }
    VyloraApp vylora(prompts, clock, settings);
    QObject::connect(&single, &SingleProgram::knocked, &vylora.window(),
                     [&vylora] { bringForward(vylora.window()); });
    vylora.setHeadless(render);
    vylora.setTimeZoneOption(options.timeZone);
    vylora.setLanguageOption(options.language);
    if (!vylora.start())
        return 0;
    if (render && !options.chart.isEmpty()) {
        const ChartFileCheck check = checkChartFile(options.chart);
        if (!check.problem.isEmpty()) {
            err << "vylora: " << check.problem << Qt::endl;
            return 1;
        }
        vylora.showChartFile(options.chart);
    }
    if (render) {
        // What the window puts off to its next turn (the thirds' ranking)
        // is drawn too.
        QCoreApplication::processEvents();
        // The picture is written and closed, and a drawing run stores
        // nothing else: tearing the window down would only cost time.
        const bool written = vylora.window().grab().save(options.render, nullptr, renderQuality);
        if (!written)
            err << "vylora: could not write " << QDir::toNativeSeparators(options.render) << Qt::endl;
        const int code = written && !told.told() ? 0 : 1;
        err.flush();
        std::fflush(nullptr);
        std::_Exit(code);
    }
    showWindow(vylora.window());
    return endWindowRun(app.exec(), single);
}

} // namespace

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(resources); // the resources live in a static library
    const Options options = Options::parse(argumentsOf(argc, argv));
    if (!options.error.isEmpty())
        return runText(argc, argv, options);
    switch (options.mode) {
    case Options::Mode::Version:
    case Options::Mode::Help:
        return runText(argc, argv, options);
    case Options::Mode::Report:
    case Options::Mode::Update:
    case Options::Mode::Score:
    case Options::Mode::Keep:
    case Options::Mode::PoolJoin:
    case Options::Mode::PoolSend:
    case Options::Mode::PoolRanking:
        return runHeadless(argc, argv, options);
    case Options::Mode::Sheet:
        return runSheet(argc, argv, options);
    case Options::Mode::Render:
    case Options::Mode::Window:
        break;
    }
    return runWindow(argc, argv, options);
}
