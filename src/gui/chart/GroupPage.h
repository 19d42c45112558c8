#pragma once

#include <QList>
#include <QVector>

class CellBinding;
class GroupFrame;
class QWidget;
class RoundOf16Summary;
class TeamNameEdit;
class Tournament;

// The group page: the eight group tables and the round-of-16 summary,
// lying on the window itself beneath everything built before them.
class GroupPage final
{
public:
    GroupPage(QWidget &window, Tournament &t, CellBinding &binding);

    const QVector<GroupFrame *> &frames() const { return m_frames; }
    RoundOf16Summary *summary() const { return m_summary; }
    QList<TeamNameEdit *> teamCells() const;
    // Every control of the page, for what takes a panel built late.
    QList<QWidget *> widgets() const;

private:
    QVector<GroupFrame *> m_frames;
    RoundOf16Summary *m_summary;
};
