#pragma once

#include <array>

#include <QWidget>

class QFrame;
class QLabel;
class QListWidget;
class QToolButton;
class Tournament;

// "Statistiques": the final ranking, the goals of every team and the podium
// of the tournament the main window shows. Everything is read from the
// chart when it is shown; opening it again while it is open rebuilds it in
// place. It does not block the main window and is deleted when closed.
//
// It is no child of the main window, whose controls language files find by
// name: its "Command1", "Label3" or "Text1" are not the main window's. It
// stays above its owner and goes with it. A language switch words it again
// in place from the chart it shows.
class StatsWindow final : public QWidget
{
    Q_OBJECT
public:
    explicit StatsWindow(QWidget *owner);

    // ShowStatistics: fills the window from the chart, then shows it.
    void showStatistics(const Tournament &t);

    // Frame1, the close and print buttons, which a printed copy leaves out.
    QWidget *buttons() const { return m_buttons; }

signals:
    void printClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void fill(const Tournament &t);
    void showTitle(const Tournament &t);
    void showPodium(const Tournament &t);

    QWidget *m_owner;
    const Tournament *m_shown = nullptr;
    QLabel *m_title;
    QLabel *m_picture;
    QLabel *m_rankingHeading;
    QListWidget *m_ranking;
    QLabel *m_goalsHeading;
    QListWidget *m_goals;
    QLabel *m_total;
    QFrame *m_podium;
    std::array<QLabel *, 4> m_places{};
    QLabel *m_champion;
    QLabel *m_emptyPodium;
    QWidget *m_buttons;
    QToolButton *m_close;
    QToolButton *m_print;
};
