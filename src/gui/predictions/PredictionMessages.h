#pragma once

#include <QString>

#include "tournament/MessageTable.h"

// The message table's entries of the predictions; lists of several texts
// (headers, match days, rules) are one entry, the texts split by "|".
namespace predictionMessages {
inline constexpr int windowTitle = 24;
inline constexpr int rankingHeaders = 25;
inline constexpr int matchDayHeading = 26;
inline constexpr int matchDayNames = 27;
inline constexpr int matchHeading = 28;
inline constexpr int matchHeaders = 29;
inline constexpr int realResult = 34;
inline constexpr int addButton = 35;
inline constexpr int openButton = 36;
inline constexpr int rules = 44;
inline constexpr int namePrompt = 49;
inline constexpr int replaceQuestion = 50;
inline constexpr int kept = 51;
inline constexpr int notA2010Chart = 52;
inline constexpr int tooLarge = 53;
inline constexpr int unreadable = 54;
inline constexpr int keepFailed = 89;
inline constexpr int close = 45;

// Where a prediction was kept: after "Garder mon pronostic", and after an
// update that kept the user's own entries.
inline QString keptNotice(const MessageTable &messages, const QString &name)
{
    return messages.textOr(kept, QStringLiteral("Pronostic gardé sous le nom %1.")).arg(name);
}

inline constexpr int poolTitle = 113;
inline constexpr int poolJoin = 114;
inline constexpr int poolSend = 115;
inline constexpr int poolHeaders = 116;
inline constexpr int poolJoined = 117;
inline constexpr int poolSent = 118;
inline constexpr int poolBracket = 119;
inline constexpr int poolRefused = 120;
inline constexpr int poolPseudoPrompt = 121;
inline constexpr int poolCodePrompt = 122;
inline constexpr int poolYesNo = 123;
} // namespace predictionMessages
