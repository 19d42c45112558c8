#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class PredictionKeeper;
class PredictionsWindow;
class PrintWindow;
class Prompts;
class QWidget;
class StatsWindow;
class Tournament;

// The windows the chart opens beside itself: print, statistics and the
// kept predictions. Each is built on its first opening and brought
// forward afterwards; closing the chart closes them all.
class CompanionWindows final : public QObject
{
    Q_OBJECT
public:
    CompanionWindows(QWidget &window, Tournament &t, Prompts &prompts, PredictionKeeper &keeper);
    ~CompanionWindows() override;

    // The print button: the print window, opened once and brought forward
    // while it is open.
    void openPrintWindow();
    // "Stats": builds the statistics window, or rebuilds the open one.
    void showStatistics();
    // "Pronostics": the kept predictions scored, afresh at every click.
    void showPredictions();
    // Each closes on its own: one that refuses does not keep the others.
    void closeAll();

signals:
    // "Ouvrir" in the predictions window, with the prediction's name.
    void predictionChosen(const QString &name);

private:
    void add(QWidget *w);

    QWidget &m_window;
    Tournament &m_tournament;
    Prompts &m_prompts;
    PredictionKeeper &m_keeper;
    QList<QPointer<QWidget>> m_companions;
    QPointer<PrintWindow> m_print;
    QPointer<StatsWindow> m_stats;
    QPointer<PredictionsWindow> m_predictions;
};
