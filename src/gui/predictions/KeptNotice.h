#pragma once

#include <QString>

#include "tournament/MessageTable.h"

// Where a prediction was kept: after "Garder mon pronostic", and after an
// update that kept the user's own entries.
inline QString keptNotice(const MessageTable &messages, const QString &name)
{
    return messages.text(Message::predictionKept).arg(name);
}
