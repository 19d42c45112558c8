#pragma once

#include "tournament/GroupId.h"

#include "gui/kit/CardFrame.h"
#include <QVector>

class CellBinding;
class NeedsMarker;
class QLabel;
class ScoreEdit;
class TeamNameEdit;
class Tournament;

// One group of the wall chart: its table on the left (team rows that move
// to the rows of their places) and its six fixtures on the right.
class GroupFrame final : public CardFrame
{
    Q_OBJECT
public:
    GroupFrame(Tournament &t, CellBinding &binding, GroupId g, QWidget *parent);

    // Score cells and match labels by index: match order, home before away.
    const QVector<ScoreEdit *> &scoreCells() const { return m_scores; }
    const QVector<QLabel *> &matchLabels() const { return m_labels; }
    const QVector<TeamNameEdit *> &teamCells() const { return m_teams; }

private:
    void addNeedsMarker(const Tournament &t, TeamNameEdit *team);
    void showNeeds(const Tournament &t, GroupId g);

    QVector<ScoreEdit *> m_scores;
    QVector<QLabel *> m_labels;
    QVector<TeamNameEdit *> m_teams;
    QVector<NeedsMarker *> m_needsMarkers; // by slot - 1
};
