#pragma once

#include <QString>

#include "tournament/MessageTable.h"

// The texts of the results update and the version notice.
namespace onlineMessages {

inline QString text(const MessageTable &messages, Message entry)
{
    return messages.text(entry);
}

} // namespace onlineMessages
