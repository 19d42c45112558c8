#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QPointer>
#include <QWidget>

#include "i18n/LanguageFile.h"
#include "schedule/ScheduleIndex.h"

class Banner;
class ButtonBar;
class CellWiring;
class CalendarPanel;
class CellBinding;
class ChartEdits;
class ChartScaling;
class CompanionWindows;
class ControlRegistry;
class EditorDoor;
class EditorPanel;
class FormatPages;
class GroupPage;
class HelpPanel;
class HistoryPanel;
class IniDocument;
class KnockoutPanel;
class Links;
class MatchInfoPanel;
class PredictionKeeper;
class Prompts;
class QDate;
class Tournament;
class UpdateCommand;
class UserSettings;
class VersionNotice;

// The wall chart, assembled here from its rooms: the group page, the
// knock-out page, the calendar and match information, the help, the past
// tournaments, the publisher's editor, the online parts and the windows
// beside it. It owns no tournament state: the widgets mirror the model
// through a CellBinding, edits go into the model, and the model's change
// handlers run the rules. The life cycle speaks to it through the verbs
// and signals below.
class MainWindow final : public QWidget
{
    Q_OBJECT
public:
    MainWindow(Tournament &t, Prompts &prompts, UserSettings &settings, QWidget *parent = nullptr);
    ~MainWindow() override;

    // --- What the life cycle lends and asks -------------------------------
    // For the results update: `load` loads the checked chart as "VYL2010"
    // as every whole chart is loaded, false when the program ends during
    // it; `typed` gives the user's 2010 chart with what was typed, saved or
    // not, or nothing when the file holds it all.
    void setChartLoader(std::function<bool(const IniDocument &)> load, std::function<QByteArray()> typed)
    {
        m_loadChart = std::move(load);
        m_typedChart = std::move(typed);
    }
    // Asked before the window closes; false keeps it open.
    void setCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }
    // A run that draws the window from the command line: no question, no
    // download.
    void setHeadless(bool headless);
    // The version check of a chart load, given its "CV": false when the
    // user went for a newer program (endAsked() has been sent).
    bool checkVersion(const QString &cv);
    // Language file lines onto the named controls, and the texts of the
    // message table onto the window.
    LanguageFileStatus applyLanguageFile(const QString &path);
    // Texts the rules wrote follow the message table at once.
    void refreshTexts();
    // The calendar: the loaded chart's matches, and the user's today.
    void showSchedule(const ScheduleIndex &schedule);
    void setToday(const QDate &today);
    // The zone the help page's list shows; empty: the computer's clock.
    void showZone(const QString &zone);
    // The language the chooser shows; none for an index without a language.
    void showLanguage(int index);
    // A publisher's banner strip, fetched unless headless.
    void showPublisherBanner();
    // The publisher's name and password as typed in the editor; nothing
    // while the editor has not been opened.
    struct Publisher
    {
        QString pseudo;
        QString password;
    };
    std::optional<Publisher> publisherTyped() const;

    // --- Verbs of the chart ------------------------------------------------
    ChartEdits &edits() const { return *m_edits; }
    // "Sauve": a failed save is said, never passed over; a good one is
    // confirmed without a box to click away.
    bool saveChart();
    void setSaveEnabled(bool enabled);
    // A confirmation in the status line, gone after a while.
    void showStatus(const QString &text);
    // The knock-out button: opening re-seeds and re-runs the whole bracket.
    void toggleKnockoutPanel();
    // "Aide" and "Retour"; the help covers the bracket and the calendar.
    void toggleHelpPanel();
    void hideHelpPanel();
    // The group page, built the first time it is shown.
    void showGroupPage();
    // "Calendrier": short over the bracket, tall over the group page.
    void toggleCalendar();
    // "Historique": the history panel and the year list of the knock-out
    // page appear and go together; the calendar and the help make way.
    void toggleHistoryPanel();
    void showHistoryPanel();
    void hideHistoryPanel();
    // The chart the user predicts on ("VYL2010", "EURO2028"), which the
    // history panel's way back names.
    void showOwnChart(const QString &chartName);
    // The history panel's picture of a chart's tournament.
    void showTournamentPicture(const QString &chartName);
    // Both year lists show the same entry.
    void showChosenYear(int entry);
    void UnlockTeams();
    // Command14. The mode lives here, not in the button's caption, which a
    // language file may word in any way.
    void ToggleCompactMode();
    bool isCompact() const;
    // The window is opened at a size the screen has room for.
    void fitToScreen();

    // --- Panels hidden at start, built when first needed ---------------------
    EditorPanel *editor();
    HelpPanel *helpPanel();
    // FraHisto, the past tournaments.
    QWidget *historyPanel();
    // For whatever walks every control at once (tests, a look at every
    // panel): builds those not built yet.
    Q_INVOKABLE void buildEveryPanel();

signals:
    // A language picked in the chooser, by its index.
    void languageChosen(int index);
    void closing();
    // "Ouvrir" in either year list, with the entry it shows.
    void tournamentChosen(int entry);
    // "2010..."
    void returnChosen();
    // An entry of "Nouveau tournoi", by its chart's name.
    void ownChartChosen(const QString &chartName);
    // "Ouvrir" in the predictions window, with the prediction's name.
    void predictionChosen(const QString &name);
    // A zone picked on the help page; empty: the computer's clock.
    void zoneChosen(const QString &zone);
    // The user went for a newer version: the program ends at once.
    void endAsked();

protected:
    void closeEvent(QCloseEvent *event) override;
    // A friend's chart file dropped on the window is kept as a prediction.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void wireButtons();
    void buildOnline();
    void buildEditorDoor(UserSettings &settings);
    void followChartShown();
    void followFormat();
    void showFormatBracket();
    void showChampion();
    GroupPage &groupPage();
    void adopt(QWidget &panel);
    void showMessageTexts();
    void showYearLists();
    void showKnockoutButton();
    void showModeCaption();
    void showPageTitle();
    void setCalendarHeight(int twips);
    void placeHistoryPanel();
    void showGroups();

    Tournament &m_tournament;
    Prompts &m_prompts;
    CellBinding *m_binding;
    ControlRegistry *m_registry;
    ChartEdits *m_edits;
    PredictionKeeper *m_keeper;
    ChartScaling *m_scaling;
    CompanionWindows *m_companions;
    ButtonBar *m_bar = nullptr;
    std::unique_ptr<GroupPage> m_groups;
    std::unique_ptr<CellWiring> m_cells;
    std::unique_ptr<FormatPages> m_formats;
    KnockoutPanel *m_knockout = nullptr;
    CalendarPanel *m_calendar = nullptr;
    bool m_scheduleWasWc32 = true;
    MatchInfoPanel *m_matchInfo = nullptr;
    EditorDoor *m_editorDoor = nullptr;
    HelpPanel *m_help = nullptr;
    QWidget *m_history = nullptr;
    HistoryPanel *m_historyContent = nullptr;
    QString m_ownChart;
    Banner *m_banner = nullptr;
    Links *m_links = nullptr;
    UpdateCommand *m_update = nullptr;
    std::unique_ptr<VersionNotice> m_versionNotice;
    QString m_zone;
    std::function<bool(const IniDocument &)> m_loadChart;
    std::function<QByteArray()> m_typedChart;
    std::function<bool()> m_closeGuard;
    bool m_headless = false;
    bool m_ended = false;
};
