#include "app/Options.h"

#include <utility>

#include <QCommandLineParser>

namespace {

// The arguments that Qt's application objects take out of the command line
// themselves, written the ways Qt reads them: -name or --name, the value
// as the next argument, or after "=" where Qt reads it so.
struct QtArgument
{
    const char16_t *name;
    bool valueFollows;
    bool valueJoined;
};

constexpr QtArgument qtArguments[] = {
    {u"platform", true, false},
    {u"platformpluginpath", true, false},
    {u"platformtheme", true, false},
    {u"plugin", true, false},
    {u"qwindowgeometry", true, false},
    {u"qwindowicon", true, false},
    {u"qwindowtitle", true, false},
    {u"session", true, false},
    {u"display", true, false},
    {u"geometry", true, false},
    {u"style", true, true},
    {u"stylesheet", true, true},
    {u"qmljsdebugger", false, true},
    {u"reverse", false, false},
    {u"widgetcount", false, false},
};

enum class QtMatch { None, Alone, WithValue, ValueMissing };

// matched is told the name of the Qt argument found.
QtMatch matchQtArgument(const QString &argument, bool hasNext, QStringView &matched)
{
    if (!argument.startsWith(u'-'))
        return QtMatch::None;
    const QStringView name = QStringView(argument).mid(argument.startsWith(u"--") ? 2 : 1);
    for (const QtArgument &qt : qtArguments) {
        const QStringView qtName(qt.name);
        if (qt.valueJoined && name.startsWith(qtName) && name.mid(qtName.size()).startsWith(u'=')) {
            matched = qtName;
            return QtMatch::Alone;
        }
        if (name != qtName)
            continue;
        matched = qtName;
        if (!qt.valueFollows)
            return QtMatch::Alone;
        return hasNext ? QtMatch::WithValue : QtMatch::ValueMissing;
    }
    return QtMatch::None;
}

// The command line less Qt's own arguments, which the application object
// reads from argv; empty, with the error said, when one lacks its value.
// ownStyle is told whether one of them picks the widget style.
QStringList withoutQtArguments(const QStringList &arguments, QString &error, bool &ownStyle)
{
    QStringList ours;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QStringView matched;
        const QtMatch match =
            i == 0 ? QtMatch::None : matchQtArgument(arguments[i], i + 1 < arguments.size(), matched);
        ownStyle = ownStyle || matched == u"style";
        switch (match) {
        case QtMatch::None:
            ours << arguments[i];
            break;
        case QtMatch::Alone:
            break;
        case QtMatch::WithValue:
            ++i;
            break;
        case QtMatch::ValueMissing:
            error = QStringLiteral("Missing value after '%1'.").arg(arguments[i]);
            return {};
        }
    }
    return ours;
}

struct Definitions
{
    QCommandLineOption version{QStringLiteral("version"), QStringLiteral("Print the program's version and quit.")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Print this help and quit.")};
    QCommandLineOption dataDir{QStringLiteral("data-dir"),
                               QStringLiteral("Folder of the chart and language files."), QStringLiteral("dir")};
    QCommandLineOption report{QStringLiteral("report"),
                              QStringLiteral("Print the tables of a chart file and quit."),
                              QStringLiteral("file")};
    QCommandLineOption json{QStringLiteral("json"), QStringLiteral("Print the report as JSON.")};
    QCommandLineOption render{QStringLiteral("render"),
                              QStringLiteral("Draw the window into a PNG file and quit."), QStringLiteral("png")};
    QCommandLineOption update{QStringLiteral("update"),
                              QStringLiteral("Download the published results over the chart file and quit.")};
    QCommandLineOption server{QStringLiteral("server"), QStringLiteral("Base address of the update server."),
                              QStringLiteral("url")};
    QCommandLineOption sheet{QStringLiteral("sheet"),
                             QStringLiteral("Draw the printed sheet into a .bmp, .png or .pdf file and quit."),
                             QStringLiteral("out")};
    QCommandLineOption chart{
        QStringLiteral("chart"),
        QStringLiteral("The chart file of --sheet or --render (default: the user's chart)."),
        QStringLiteral("file")};
    QCommandLineOption paper{QStringLiteral("paper"),
                             QStringLiteral("The paper of --sheet, a4 or a3 (default a4), landscape."),
                             QStringLiteral("size"), QStringLiteral("a4")};
    QCommandLineOption score{QStringLiteral("score"),
                             QStringLiteral("Rank the predictions given (every kept one by default) and quit.")};
    QCommandLineOption results{
        QStringLiteral("results"),
        QStringLiteral("The results chart of --score (default: the user's chart)."),
        QStringLiteral("file")};
    QCommandLineOption keep{QStringLiteral("keep"),
                            QStringLiteral("Keep the user's chart as a named prediction and quit."),
                            QStringLiteral("name")};
    QCommandLineOption poolJoin{QStringLiteral("pool-join"),
                                QStringLiteral("Join the pool of the update server (see --server) and quit."),
                                QStringLiteral("name")};
    QCommandLineOption poolCode{QStringLiteral("pool-code"), QStringLiteral("The pool's code of --pool-join."),
                                QStringLiteral("code")};
    QCommandLineOption poolSend{QStringLiteral("pool-send"),
                                QStringLiteral("Send the 2010 chart to the pool as the prediction and quit.")};
    QCommandLineOption poolRanking{
        QStringLiteral("pool-ranking"),
        QStringLiteral("Print the pool's ranking (with --json, as the server gives it).")};
    QCommandLineOption page{QStringLiteral("page"), QStringLiteral("The page of --pool-ranking."),
                            QStringLiteral("n")};
    QCommandLineOption pseudo{QStringLiteral("pseudo"),
                              QStringLiteral("The player whose page --pool-ranking shows."),
                              QStringLiteral("name")};
    QCommandLineOption timeZone{QStringLiteral("time-zone"),
                                QStringLiteral("Show kick-off times in this zone (e.g. America/New_York)."),
                                QStringLiteral("zone")};
    QCommandLineOption language{
        QStringLiteral("language"),
        QStringLiteral("The language of this run, one of %1 (default: the one last chosen in the window).")
            .arg(languageCodes().join(QStringLiteral(", "))),
        QStringLiteral("code")};

    explicit Definitions(QCommandLineParser &parser)
    {
        parser.addOptions({version,  help,     dataDir,     report, json,    render,   update,
                           server,   sheet,    chart,       score,  results, keep,     poolJoin,
                           poolCode, poolSend, poolRanking, page,   pseudo,  timeZone, language});
        parser.addOption(paper);
    }
};

} // namespace

Options Options::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const Definitions defined(parser);
    Options options;
    const QStringList ours = withoutQtArguments(arguments, options.error, options.ownStyle);
    if (!options.error.isEmpty())
        return options;
    if (!parser.parse(ours)) {
        options.error = parser.errorText();
        return options;
    }
    if (parser.isSet(defined.language)) {
        const QString code = parser.value(defined.language);
        options.language = languageIndexFromCode(code);
        if (!options.language) {
            options.error = QStringLiteral("Unknown language '%1': --language takes one of %2.")
                                .arg(code, languageCodes().join(QStringLiteral(", ")));
            return options;
        }
    }
    options.dataDir = parser.value(defined.dataDir);
    options.server = parser.value(defined.server);
    options.report = parser.value(defined.report);
    options.json = parser.isSet(defined.json);
    options.render = parser.value(defined.render);
    options.sheet = parser.value(defined.sheet);
    options.chart = parser.value(defined.chart);
    options.paper = parser.value(defined.paper);
    options.results = parser.value(defined.results);
    options.predictions = parser.positionalArguments();
    options.keep = parser.value(defined.keep);
    options.poolJoin = parser.value(defined.poolJoin);
    options.poolCode = parser.value(defined.poolCode);
    options.poolPage = parser.value(defined.page).toInt();
    options.poolPseudo = parser.value(defined.pseudo);
    options.timeZone = parser.value(defined.timeZone);
    const std::pair<const QCommandLineOption &, Mode> modesFirstToLast[] = {
        {defined.version, Mode::Version},
        {defined.help, Mode::Help},
        {defined.report, Mode::Report},
        {defined.update, Mode::Update},
        {defined.score, Mode::Score},
        {defined.keep, Mode::Keep},
        {defined.poolJoin, Mode::PoolJoin},
        {defined.poolSend, Mode::PoolSend},
        {defined.poolRanking, Mode::PoolRanking},
        {defined.sheet, Mode::Sheet},
        {defined.render, Mode::Render},
    };
    for (const auto &[option, mode] : modesFirstToLast)
        if (parser.isSet(option)) {
            options.mode = mode;
            break;
        }
    return options;
}

QString Options::helpText()
{
    QCommandLineParser parser;
    const Definitions defined(parser);
    return parser.helpText();
}
