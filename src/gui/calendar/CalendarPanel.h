#pragma once

#include <array>

#include <QFrame>

#include "schedule/ScheduleIndex.h"

class QComboBox;
class QDate;
class QLabel;
class QListWidget;
class QTimer;
class Tournament;

// The calendar (Frame18): the matches of the day picked in Combo3/Combo4,
// up to four rows with kick-off, teams and broadcaster logo. The schedule
// comes from setSchedule() after every chart load; team names are read
// from the model whenever a picker changes, and only then. Shortly after
// start-up Timer1 hides the panel unless the user has reached for a picker.
// A language switch words the rows again, team names included.
class CalendarPanel final : public QFrame
{
    Q_OBJECT
public:
    explicit CalendarPanel(const Tournament &t, QWidget *parent = nullptr);

    // Keeps the schedule for the next refresh; the rows stay as they are.
    void setSchedule(const ScheduleIndex &index);
    // Picks today's day, then its month, each an ordinary change.
    void setToday(const QDate &today);

    void RefreshCalendar();
    // One tick of Timer1.
    void CalendarAutoHide();
    // A calendar the user asked for stays until the user closes it.
    void stopAutoHide();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QComboBox *makePicker(const QString &name, int items, const QRect &twips);

    const Tournament &m_tournament;
    ScheduleIndex m_index;
    QComboBox *m_day;
    QComboBox *m_month;
    std::array<QLabel *, 4> m_rows{};
    std::array<QLabel *, 4> m_logos{};
    QListWidget *m_dayList;
    QTimer *m_timer;
};
