#pragma once

#include "app/QtTexts.h"
#include "gui/chart/ChartEdits.h"
#include "gui/chart/MainWindow.h"
#include "i18n/LanguageIndex.h"
#include "tournament/Tournament.h"

#include <functional>
#include <optional>

#include <QObject>
#include <QTimeZone>

class Clock;
class IniDocument;
class Prompts;
class UserSettings;

// Drives the life of the program: start-up in its fixed order (language,
// chart load with the ready flag clear, then the flag and the full refresh,
// then the display steps), the language switch, and at the end the
// unsaved-predictions question and the settings written at shutdown. The
// tournament lives here; the window mirrors it.
class VyloraApp final : public QObject
{
    Q_OBJECT
public:
    VyloraApp(Prompts &prompts, const Clock &clock, UserSettings &settings);

    // False when the program ends during start-up (the user went for a
    // newer version): nothing after that point has run.
    bool start();
    MainWindow &window() { return m_window; }
    LanguageIndex language() const { return m_sage; }

    // A language picked in the chooser, and start-up with the stored one.
    void applyLanguage(LanguageIndex index);
    // Every whole-chart load (start-up, the results update, a past
    // tournament, the return to 2010 when nothing waits aside): the file's
    // cells, the ready flag, the full refresh, "Sauve" on or off. What it
    // loads is what the file holds, so the chart is clean afterwards. False
    // when the version notice ended the program during the load.
    // checked: the chart already read and checked (the results update's),
    // loaded in place of the file's.
    enum class Saving { Off, On };
    bool loadChart(const QString &name, Saving saving = Saving::On, const IniDocument *checked = nullptr);

    // "Ouvrir" in a year list: shows the tournament of entry 1 (1998) .. 4
    // (2010) with saving off; any other entry does nothing.
    void openTournament(int entry);
    // "2010...": the user's own chart again, as it was left, saving on.
    void returnToCurrent();
    // "Nouveau tournoi": the user's chart becomes the one named (one of
    // OwnChart::names()), begun from the blank chart the first time, once
    // the predictions typed on the other are saved or given up.
    void chooseOwnChart(const QString &name);
    // "Ouvrir" in the predictions window: the kept prediction on the chart
    // with saving off, as a past tournament, and "2010..." at hand.
    void openPrediction(const QString &name);

    // A chart file from anywhere, shown as a past tournament is: saving
    // off, the user's chart aside.
    void showChartFile(const QString &path);

    // The zone named by --time-zone: it outranks the help page's choice
    // for this run. Given before start().
    void setTimeZoneOption(const QString &zone) { m_zoneOption = zone; }
    const QTimeZone &timeZone() const { return m_zone; }
    // A zone picked on the help page: kept, and every time shown moves.
    void chooseTimeZone(const QString &zone);
    // The language named by --language: it outranks the stored choice for
    // this run, which goes on unchanged. Given before start().
    void setLanguageOption(std::optional<LanguageIndex> index) { m_languageOption = index; }

    // A run that draws the window from the command line: no question, no
    // download, no early end.
    void setHeadless(bool headless);
    // What ending the program at once means; leaving the event loop by
    // default. Shutdown does not run after it.
    void setProgramEnd(std::function<void()> end) { m_programEnd = std::move(end); }

    // The user's chart, shown or kept aside behind a past tournament,
    // holds predictions that "Sauve" has not written: the edits cannot be
    // undone back to the last save or load.
    bool hasUnsavedChanges() const;

private:
    // Quitting with unsaved predictions asks first: save, discard or stay.
    bool mayClose();
    bool maySetOwnChartDown(const QString &question);
    void setUserChartAside();
    QByteArray typedChart() const;
    // The window, Qt's texts and the news in a language, stored or not.
    void speak(LanguageIndex index);
    void applyLanguageFile(LanguageIndex index);
    void refreshLanguageTexts();
    void showNewsMessage();
    void shutDown();
    void endProgram();

    Prompts &m_prompts;
    const Clock &m_clock;
    UserSettings &m_settings;
    Tournament m_tournament;
    MainWindow m_window;
    LanguageIndex m_sage = 0;
    QtTexts m_qtTexts;
    std::function<void()> m_programEnd;
    QString m_zoneOption;
    std::optional<LanguageIndex> m_languageOption;
    QTimeZone m_zone = QTimeZone::systemTimeZone();
    // The chart the user predicts on, as OwnChart names it.
    QString m_own;
    // The user's chart while a past tournament is shown.
    struct KeptChart
    {
        Tournament::CellsPicture cells;
        const FormatRules *rules;
        int year;
    };
    std::optional<KeptChart> m_kept;
    bool m_ended = false;
};
