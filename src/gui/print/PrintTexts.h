#pragma once

#include <QString>

#include "tournament/Message.h"

class MessageTable;

// A text of printing (the print window's caption and buttons, its prompts
// and confirmations), in the French of the design while no language file
// has set it.
QString printText(const MessageTable &messages, Message which);
