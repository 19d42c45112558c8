#pragma once

#include "tournament/Tournament.h"

#include <QFrame>
#include <QVector>

class CellBinding;
class QComboBox;
class QLabel;
class ScoreEdit;

// The knock-out page: the bracket drawn as a tree from the round of 16 on
// the left to the final, with the third-place match, the podium and the
// goal total beside it. Every cell is a model cell; edits go to the model,
// whose change handlers re-run the bracket.
class KnockoutPanel final : public QFrame
{
    Q_OBJECT
public:
    KnockoutPanel(Tournament &t, CellBinding &binding, QWidget *parent);

    // Goal and penalty cells in bracket order, for the tab chain.
    const QVector<ScoreEdit *> &scoreCells() const { return m_scores; }
    // The team cells of every round, which stand for their matches.
    const QVector<QLabel *> &teamCells() const { return m_teams; }
    // The frames of the matches, which cover the page's own background.
    QList<QFrame *> matchBoxes() const;
    // Frame19: the year list of past tournaments on this page, hidden
    // until the history button shows it.
    QFrame *yearChoice() const { return m_yearChoice; }
    QComboBox *yearList() const { return m_years; }

signals:
    // Its "Ouvrir" with the entry the list shows (0 for the prompt).
    void openClicked(int entry);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QFrame *addMatch(Tournament &t, CellBinding &binding, Round r, int match, int left, int top);
    void addShootOutHint(Tournament &t, CellBinding &binding, Round r, int match, QFrame *box);
    void addRoundCaption(int index, int left);
    void addPodium(Tournament &t, CellBinding &binding);
    void addYearChoice(const Tournament &t);
    void arrangeTree(const QString &chart);

    QVector<ScoreEdit *> m_scores;
    QVector<QLabel *> m_teams;
    // Match boxes of the tree, by round from top to bottom, for drawing the
    // connectors.
    std::array<QVector<QFrame *>, 4> m_tree;
    // Round-of-16 and quarter-final boxes by match.
    std::array<QVector<QFrame *>, 2> m_byMatch;
    QFrame *m_thirdPlace = nullptr;
    QFrame *m_yearChoice = nullptr;
    QComboBox *m_years = nullptr;
};
