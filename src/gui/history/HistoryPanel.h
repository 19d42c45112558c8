#pragma once

#include <QObject>
#include <QString>

class CellBinding;
class QComboBox;
class QLabel;
class QPushButton;
class QWidget;
class Tournament;

// The content of the history panel: the year list with its "Ouvrir"
// button, the picture of the tournament last chosen, the goal total, the
// way back to the user's own chart and "Nouveau tournoi", which makes
// another chart the user's own. It only says what was clicked; the program
// loads the charts.
class HistoryPanel final : public QObject
{
    Q_OBJECT
public:
    HistoryPanel(Tournament &t, CellBinding &binding, QWidget *frame);

    // The frame it fills, in twips.
    static constexpr int frameWidth = 3300;
    static constexpr int frameHeight = 3555;

    // The tournament of a chart ("VYL1998", "EURO2024", ..).
    void showPicture(const QString &chartName);
    QComboBox *yearList() const { return m_years; }
    // The user's own chart, which the way back names.
    void showOwnChart(const QString &chartName);
    // A language file wrote the way back's caption and tooltip again, for
    // the 2010 chart.
    void languageApplied();

signals:
    // "Ouvrir" with the entry the list shows (0 for the prompt).
    void openClicked(int entry);
    void returnClicked();
    // An entry of "Nouveau tournoi", by its chart's name.
    void ownChartClicked(const QString &chartName);

private:
    void nameOwnChart();
    void fillNewTournamentMenu();

    const Tournament &m_tournament;
    QComboBox *m_years;
    QLabel *m_picture;
    QPushButton *m_back;
    QPushButton *m_newTournament;
    QString m_own;
    // The year the way back's words name now; the language files say 2010.
    QString m_backLabel;
};
