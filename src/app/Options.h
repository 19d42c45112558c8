#pragma once

#include "i18n/LanguageIndex.h"

#include <optional>

#include <QString>
#include <QStringList>

// What the command line asks for, read once at start; every mode takes
// what it needs from here and nobody reads the arguments again.
struct Options
{
    // One mode a run: the first of these the command line names.
    enum class Mode {
        Version,
        Help,
        Report,
        Update,
        Score,
        Keep,
        PoolJoin,
        PoolSend,
        PoolRanking,
        Sheet,
        Render,
        Window
    };

    Mode mode = Mode::Window;
    QString dataDir; // empty: the user's data folder
    QString server;  // empty: the stored update server
    QString report;
    bool json = false;
    QString render;
    QString sheet;
    QString chart;           // of --sheet; empty: the program folder's 2010 chart
    // Of --sheet, as given: the sheet command refuses a name it does not know.
    QString paper = QStringLiteral("a4");
    QString results;         // of --score; empty: the program folder's 2010 chart
    QStringList predictions; // of --score; none: every kept one
    QString keep;
    QString poolJoin;      // the pseudo of --pool-join
    QString poolCode;      // the pool's code, when the publisher set one
    int poolPage = 0;      // the ranking's page of --pool-ranking; 0: the first
    QString poolPseudo;    // the player whose page --pool-ranking shows
    QString timeZone;      // empty: the zone picked on the help page, else TZ, else the system's
    bool ownStyle = false; // Qt's -style picks the widget style, which then stays
    QString error;         // what was wrong with the command line; nothing else is set then
    // The language of --language; none: the one last chosen in the window.
    std::optional<LanguageIndex> language;

    // arguments as main received them, the program's path first; Qt's
    // own arguments (-platform, -style, -reverse...) are let through for
    // the application object.
    static Options parse(const QStringList &arguments);
    static QString helpText();
};
