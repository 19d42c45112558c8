#pragma once

#include <QVector>
#include <QWidget>

class CalendarPanel;
class CellBinding;
class ControlRegistry;
class EditorPanel;
class GroupFrame;
class KnockoutPanel;
class MatchInfoPanel;
class Prompts;
class QLabel;
class QPushButton;
class QToolButton;
class QFrame;
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
    EditorPanel *editor() const { return m_editor; }

    // The knock-out button: opening re-seeds and re-runs the whole bracket.
    void toggleKnockoutPanel();
    void UnlockTeams();
    // "Sauve": a failed save is said, never passed over.
    void saveChart();

    // Texts of the window that come from the message table, in the French
    // of the design while the table has none.
    void showMessageTexts();

signals:
    void languageClicked(int index);
    void closing();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildButtonBar();
    void buildNews();
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
    EditorPanel *m_editor = nullptr;
    QPushButton *m_saveButton = nullptr;
    QToolButton *m_knockoutButton = nullptr;
    QFrame *m_newsFrame = nullptr;
};
