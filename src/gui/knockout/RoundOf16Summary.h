#pragma once

#include "gui/kit/CardFrame.h"

#include <QVector>

class CellBinding;
class QLabel;
class Tournament;

// The round-of-16 pairings on the group page (Huit 16..31): names as soon
// as a group is complete, "1 Gr A" style placeholders until then.
class RoundOf16Summary final : public CardFrame
{
    Q_OBJECT
public:
    RoundOf16Summary(Tournament &t, CellBinding &binding, QWidget *parent);

    // The pairings' team cells, which stand for their matches.
    const QVector<QLabel *> &teamCells() const { return m_teams; }

private:
    QVector<QLabel *> m_teams;
};
