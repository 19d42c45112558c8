#include "gui/print/PrintTexts.h"

#include "tournament/MessageTable.h"

QString printText(const MessageTable &messages, Message which)
{
    return messages.text(which);
}
