#pragma once

#include <QString>

class MessageTable;
struct UpdateOutcome;

// The line under "Erreur de connexion !" that says why a results update
// failed, in the window's language: one line per cause, so that a server
// that loops, damages its answer or sends half a chart is told apart from
// one that cannot be reached.
QString updateFailureLine(const MessageTable &messages, const UpdateOutcome &outcome);
