#pragma once

#include <QObject>

class CellBinding;
class QComboBox;
class QLabel;
class QWidget;
class Tournament;

// The content of the history panel: the year list with its "Ouvrir"
// button, the picture of the tournament last chosen, the goal total and
// the way back to the user's own chart. It only says what was clicked; the
// program loads the charts.
class HistoryPanel final : public QObject
{
    Q_OBJECT
public:
    HistoryPanel(Tournament &t, CellBinding &binding, QWidget *frame);

    // Year-list entry 1 (1998) .. 7 (2022).
    void showPicture(int entry);
    QComboBox *yearList() const { return m_years; }

signals:
    // "Ouvrir" with the entry the list shows (0 for the prompt).
    void openClicked(int entry);
    void returnClicked();

private:
    QComboBox *m_years;
    QLabel *m_picture;
};
