#pragma once

#include "gui/kit/CardFrame.h"

class CellBinding;
class Tournament;

// The round-of-16 pairings on the group page (Huit 16..31): names as soon
// as a group is complete, "1 Gr A" style placeholders until then.
class RoundOf16Summary final : public CardFrame
{
    Q_OBJECT
public:
    RoundOf16Summary(Tournament &t, CellBinding &binding, QWidget *parent);
};
