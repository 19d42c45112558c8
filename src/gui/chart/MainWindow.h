#pragma once

#include <functional>

#include <QList>
#include <QPointer>
#include <QVector>
#include <QWidget>

#include "gui/kit/CompactMode.h"

class CalendarPanel;
class CellBinding;
class ChartEdits;
class ControlRegistry;
class EditorDoor;
class RoundOf16Summary;
class EditorPanel;
class GroupFrame;
class HistoryPanel;
class HelpPanel;
class KnockoutPanel;
class MatchInfoPanel;
class PredictionKeeper;
class PredictionsWindow;
class PrintWindow;
class Prompts;
class QLabel;
class QPushButton;
class QTimer;
class QToolButton;
class QFrame;
class StatsWindow;
class Tournament;
class UserSettings;

// The wall chart. It owns no tournament state: the widgets mirror the
// model through a CellBinding, edits go into the model, and the model's
// change handlers run the rules. Panels are created once and only shown or
// hidden.
class MainWindow final : public QWidget
{
    Q_OBJECT
public:
    MainWindow(Tournament &t, Prompts &prompts, UserSettings &settings, QWidget *parent = nullptr);
    ~MainWindow() override;

    Tournament &tournament() const { return m_tournament; }
    CellBinding &binding() const { return *m_binding; }
    ControlRegistry &controls() const { return *m_registry; }
    CalendarPanel *calendar() const { return m_calendar; }
    // Frame20, built the first time it opens; its way in stands without it.
    EditorPanel *editor();
    EditorDoor &editorDoor() const { return *m_editorDoor; }
    // Frame9, and "Mise à jour".
    KnockoutPanel *knockoutPage() const { return m_knockout; }
    QPushButton *updateButton() const { return m_updateButton; }
    ChartEdits &edits() const { return *m_edits; }
    // The panels hidden at start are built when first needed; a control of
    // theirs is found by name only once they are.
    HelpPanel *helpPanel();
    // FraHisto, the past tournaments.
    QWidget *historyPanel();
    // For whatever walks every control at once (tests, a look at every
    // panel): builds those not built yet.
    Q_INVOKABLE void buildEveryPanel();

    // The knock-out button: opening re-seeds and re-runs the whole bracket.
    void toggleKnockoutPanel();
    // "Aide" and "Retour"; the help covers the bracket and the calendar.
    void toggleHelpPanel();
    void hideHelpPanel();
    // "Calendrier": short over the bracket, tall over the group page.
    void toggleCalendar();
    void UnlockTeams();
    // "Sauve": a failed save is said, never passed over; a good one is
    // confirmed without a box to click away.
    bool saveChart();

    // Command14. The mode lives here, not in the button's caption, which a
    // language file may word in any way.
    void ToggleCompactMode();
    bool isCompact() const { return m_compact; }
    // The window is opened at a size the screen has room for; whatever size
    // it is given, the chart is scaled to fit it, keeping its proportions.
    void fitToScreen();

    // The banners' places, in twips of the window or of the knock-out
    // page, in a strip below the chart that opens for a publisher.
    QRect bannerPlace(const QWidget *page) const;
    void openBannerStrip();

    // The print and statistics windows: "Quitter" and closing the window
    // close them too.
    void addCompanionWindow(QWidget *w);
    // Asked before the window closes; false keeps it open.
    void setCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }
    // The print button: the print window, opened once and brought forward
    // while it is open.
    void openPrintWindow();
    PrintWindow *printWindow() const;

    // A confirmation in the status line, gone after a while: something
    // done that needs no box to click away.
    void showStatus(const QString &text);

    // Texts of the window that come from the message table, in the French
    // of the design while the table has none.
    void showMessageTexts();

    // "Historique": the history panel and the year list of the knock-out
    // page appear and go together; the calendar and the help make way.
    void toggleHistoryPanel();
    void hideHistoryPanel();
    // The history panel's picture of year-list entry 1 (1998) .. 4 (2010).
    void showTournamentPicture(int entry);
    // The year lists in the language of the message table, on the prompt.
    void showYearLists();
    // Both year lists show the same entry.
    void showChosenYear(int entry);
    void setSaveEnabled(bool enabled);
    // "Stats": builds the statistics window, or rebuilds the open one.
    void showStatistics();
    // "Pronostics": the kept predictions scored, afresh at every click.
    void showPredictions();
    PredictionKeeper &predictionKeeper() const { return *m_keeper; }

signals:
    void languageClicked(int index);
    void closing();
    // "Ouvrir" in either year list, with the entry it shows.
    void tournamentChosen(int entry);
    // "2010..."
    void returnChosen();
    // "Ouvrir" in the predictions window, with the prediction's name.
    void predictionChosen(const QString &name);
    // A panel built after start-up: wire what is wired by name.
    void panelBuilt(QWidget *panel);

protected:
    void closeEvent(QCloseEvent *event) override;
    // A friend's chart file dropped on the window is kept as a prediction.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildButtonBar();
    void buildNews();
    void followChartShown();
    void showPageTitle();
    void adopt(QWidget &panel);
    void chainTabOrder();
    // Command1's caption: MessageTable entry 1 while the page is closed,
    // entry 2 while it is open.
    void showKnockoutCaption();
    void showModeCaption();
    // Keeps the way out and the confirmations above whatever page is shown.
    void raiseAlwaysVisible();
    void watchMatches();
    void showChampion();
    void setCalendarHeight(int twips);
    void handEditsToTheChart();
    // The chart's size at the full scale of the mode shown.
    QSize chartSize() const;
    compactMode::Scale chartScale(const QSize &window) const;
    void rescaleToWindow();
    void placeHistoryPanel();

    Tournament &m_tournament;
    Prompts &m_prompts;
    CellBinding *m_binding;
    ControlRegistry *m_registry;
    ChartEdits *m_edits;
    QVector<GroupFrame *> m_groups;
    KnockoutPanel *m_knockout = nullptr;
    CalendarPanel *m_calendar = nullptr;
    MatchInfoPanel *m_matchInfo = nullptr;
    EditorDoor *m_editorDoor = nullptr;
    HelpPanel *m_help = nullptr;
    RoundOf16Summary *m_roundOf16 = nullptr;
    QWidget *m_history = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_quitButton = nullptr;
    QPushButton *m_updateButton = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_title = nullptr;
    QTimer *m_statusTimer = nullptr;
    bool m_compact = false;
    // The chart's scale in the window, apart from the mode's own step.
    double m_fit = 1.0;
    int m_bannerStrip = 0;
    QTimer *m_rescaleTimer = nullptr;
    QList<QPointer<QWidget>> m_companions;
    std::function<bool()> m_closeGuard;
    QToolButton *m_knockoutButton = nullptr;
    QFrame *m_newsFrame = nullptr;
    QPointer<PrintWindow> m_printWindow;
    HistoryPanel *m_historyContent = nullptr;
    QPointer<StatsWindow> m_stats;
    PredictionKeeper *m_keeper;
    QPointer<PredictionsWindow> m_predictions;
};
