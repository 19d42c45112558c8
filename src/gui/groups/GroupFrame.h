#pragma once

#include "tournament/GroupId.h"

#include "gui/kit/CardFrame.h"
#include <QList>
#include <QVector>

class CellBinding;
class NeedsMarker;
class QLabel;
class ScoreEdit;
class TeamNameEdit;
class Tournament;

// Where a group's cells lie, in twips inside its frame.
struct GroupFrameLayout
{
    int nameLeft = 90;
    int nameWidth = 1470;
    int statLeft = 1590;
    int statWidth = 285;
    int cellHeight = 255;
    int homeLabelLeft = 3090;
    int labelWidth = 1380;
    int goalWidth = 285;
    int fixtureTop = 345;
    int fixtureStep = 345;
    int fixtureHeight = 285;

    // The table on the left and the fixtures on the right.
    static GroupFrameLayout wallChart();
    // The fixtures under the table, in a frame `width` twips wide.
    static GroupFrameLayout card(int width);
    // The frame's height for the card form.
    int height() const;
    bool operator==(const GroupFrameLayout &) const = default;
};

// One group of the wall chart: its table on the left (team rows that move
// to the rows of their places) and its six fixtures on the right.
class GroupFrame final : public CardFrame
{
    Q_OBJECT
public:
    GroupFrame(Tournament &t, CellBinding &binding, GroupId g, QWidget *parent,
               const GroupFrameLayout &layout = GroupFrameLayout::wallChart());

    // Score cells and match labels by index: match order, home before away.
    const QVector<ScoreEdit *> &scoreCells() const { return m_scores; }
    const QVector<QLabel *> &matchLabels() const { return m_labels; }
    const QVector<TeamNameEdit *> &teamCells() const { return m_teams; }
    GroupId group() const { return m_group; }

private:
    void addNeedsMarker(const Tournament &t, TeamNameEdit *team);
    void showNeeds(const Tournament &t, GroupId g);

    GroupId m_group;
    QVector<ScoreEdit *> m_scores;
    QVector<QLabel *> m_labels;
    QVector<TeamNameEdit *> m_teams;
    QVector<NeedsMarker *> m_needsMarkers; // by slot - 1
};

// The team cells of every card, card by card.
QList<TeamNameEdit *> teamCellsOf(const QVector<GroupFrame *> &frames);

