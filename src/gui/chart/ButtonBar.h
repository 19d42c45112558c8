#pragma once

#include <QObject>

class ClickableLabel;
class MessageTable;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;
class QToolButton;
class QWidget;

// The controls around the chart: the bar of buttons above it, the title,
// the version and the language chooser, and at its foot the way out and the
// status line. The window wires the buttons to what they do.
class ButtonBar final : public QObject
{
    Q_OBJECT
public:
    explicit ButtonBar(QWidget &window);

    QPushButton *save() const { return m_save; }
    QPushButton *update() const { return m_update; }
    QToolButton *knockout() const { return m_knockout; }
    QPushButton *help() const { return m_help; }
    QPushButton *print() const { return m_print; }
    QPushButton *stats() const { return m_stats; }
    QPushButton *predictions() const { return m_predictions; }
    QPushButton *history() const { return m_history; }
    QPushButton *calendar() const { return m_calendar; }
    QPushButton *quit() const { return m_quit; }
    // The author's site, beside the program's name.
    QWidget *home() const { return m_home; }
    // A discreet hotspot: the teams are unlocked only by those who know.
    ClickableLabel *unlock() const { return m_unlock; }
    QComboBox *language() const { return m_language; }

    // Command1's caption and picture say the page it switches to: the
    // bracket while the group page is shown, the groups while it is open.
    void showKnockoutButton(const MessageTable &messages, bool open);
    // Whatever words a language file gives the title, its year is the one
    // shown.
    // The language's World Cup title with the year shown, or `other` for
    // another competition.
    void showTitle(const QString &year, const QString &other = QString());
    // A confirmation in the status line, gone after a while.
    void showStatus(const QString &text);
    // Keeps the way out and the confirmations above whatever page is shown.
    void raiseAlwaysVisible();

private:
    QPushButton *m_save;
    QPushButton *m_update;
    QToolButton *m_knockout;
    QPushButton *m_help;
    QPushButton *m_print;
    QPushButton *m_stats;
    QPushButton *m_predictions;
    QPushButton *m_history;
    QPushButton *m_calendar;
    QPushButton *m_quit;
    QLabel *m_status;
    QTimer *m_statusTimer;
    QLabel *m_title;
    QString m_worldCupTitle; // as the language file wrote it
    QString m_shownTitle;
    QWidget *m_home;
    ClickableLabel *m_unlock;
    QComboBox *m_language;
};
