#pragma once

#include <vector>

#include <QStringList>
#include <QWidget>

#include "predictions/PredictionFigures.h"
#include "predictions/PredictionRanking.h"
#include "tournament/Message.h"

class MessageTable;
class PoolPart;
class PredictionKeeper;
class Prompts;
class QComboBox;
class QLabel;
class QPushButton;
class QScreen;
class QTableWidget;

// "Pronostics": every kept prediction scored against the 2010 chart of the
// program folder, read afresh each time it is shown: the ranking, the
// winner of each match day, and for the match chosen every prediction's
// score beside the real one; below, the pool on the update server. It does
// not block the main window, goes with it, opens within the screen, closes
// on Escape, and is deleted when closed.
class PredictionsWindow final : public QWidget
{
    Q_OBJECT
public:
    PredictionsWindow(QWidget *owner, const MessageTable &messages, PredictionKeeper &keeper, Prompts &prompts);

    // Scores the circle again and shows it.
    void showCircle();

signals:
    // "Ouvrir" on a line of the ranking.
    void openRequested(const QString &name);

protected:
    // A language switch words the window again where it stands.
    void changeEvent(QEvent *event) override;

private:
    void showTexts();
    QString text(Message entry) const;
    QStringList texts(Message entry) const;
    void showRanking();
    void showMatchDays();
    void showMatch(int match);
    void addPrediction();
    void fitToScreen(const QScreen *screen);

    const MessageTable &m_messages;
    PredictionKeeper &m_keeper;
    Prompts &m_prompts;
    std::vector<ScoredPrediction> m_ranked;
    QStringList m_realScores;
    PredictionFigures m_results;
    bool m_roundOf32 = false;
    QLabel *m_rules;
    QLabel *m_daysHeading;
    QLabel *m_matchHeading;
    QTableWidget *m_ranking;
    QTableWidget *m_matchDays;
    QComboBox *m_match;
    QTableWidget *m_matchScores;
    QLabel *m_refused;
    QPushButton *m_add;
    QPushButton *m_open;
    QPushButton *m_close;
    PoolPart *m_pool;
};
