#pragma once

#include <QPointer>
#include <QVector>
#include <QWidget>

class CalendarPanel;
class CellBinding;
class ControlRegistry;
class GroupFrame;
class HistoryPanel;
class KnockoutPanel;
class MatchInfoPanel;
class Prompts;
class QLabel;
class QPushButton;
class QToolButton;
class QFrame;
class StatsWindow;
class Tournament;

// The wall chart. It owns no tournament state: the widgets mirror the
// model through a CellBinding, edits go into the model, and the model's
// change handlers run the rules. Panels are created once and only shown or
// hidden.
class MainWindow final : public QWidget
{
    Q_OBJECT
public:
    MainWindow(Tournament &t, Prompts &prompts, QWidget *parent = nullptr);
    ~MainWindow() override;

    Tournament &tournament() const { return m_tournament; }
    CellBinding &binding() const { return *m_binding; }
    ControlRegistry &controls() const { return *m_registry; }
    CalendarPanel *calendar() const { return m_calendar; }

    // The knock-out button: opening re-seeds and re-runs the whole bracket.
    void toggleKnockoutPanel();
    void UnlockTeams();
    // "Sauve": a failed save is said, never passed over. True when saved.
    bool saveChart();

    // Texts of the window that come from the message table, in the French
    // of the design while the table has none.
    void showMessageTexts();

    // "Historique": the history panel and the year list of the knock-out
    // page appear and go together; the calendar and the help make way.
    void toggleHistoryPanel();
    void hideHistoryPanel();
    // The history panel's picture of year-list entry 1 (1998) .. 4 (2010).
    void showTournamentPicture(int entry);
    // Both year lists show the same entry.
    void showChosenYear(int entry);
    void setSaveEnabled(bool enabled);
    bool isSaveEnabled() const;
    // "Stats": builds the statistics window, or rebuilds the open one.
    void showStatistics();

signals:
    void languageClicked(int index);
    void closing();
    // "Ouvrir" in either year list, with the entry it shows.
    void tournamentChosen(int entry);
    // "2010..."
    void returnChosen();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildButtonBar();
    void buildNews();
    void buildHistory();
    void chainTabOrder();
    // Command1's caption: MessageTable entry 1 while the page is closed,
    // entry 2 while it is open.
    void showKnockoutCaption();
    void watchMatches();
    void showChampion();
    void setCalendarHeight(int twips);

    Tournament &m_tournament;
    Prompts &m_prompts;
    CellBinding *m_binding;
    ControlRegistry *m_registry;
    QVector<GroupFrame *> m_groups;
    KnockoutPanel *m_knockout = nullptr;
    CalendarPanel *m_calendar = nullptr;
    MatchInfoPanel *m_matchInfo = nullptr;
    QPushButton *m_saveButton = nullptr;
    QToolButton *m_knockoutButton = nullptr;
    QFrame *m_newsFrame = nullptr;
    QWidget *m_historyFrame = nullptr;
    HistoryPanel *m_history = nullptr;
    QPointer<StatsWindow> m_stats;
};
