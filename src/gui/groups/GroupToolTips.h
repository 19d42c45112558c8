#pragma once

#include "tournament/GroupId.h"

#include <QString>

class MessageTable;
class Tournament;
struct TeamNeeds;

// The texts that explain a group table, in the language of the message
// table; empty while no language file has set them. Made when the mouse
// asks for them, so that they are never stale and cost no keystroke.

// Why the team of `slot` stands where it does: ahead of the team below on
// which criterion and with which values; the last team, behind which team.
QString placeToolTip(const Tournament &t, GroupId g, int slot);

// What the team still needs: through or out whatever happens, or what a
// win, a draw and a loss of its next match would make of it.
QString needsToolTip(const MessageTable &messages, const TeamNeeds &team);
