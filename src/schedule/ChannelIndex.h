#pragma once

#include <QString>

// Broadcaster logos, by index: 0 "C+", 1 "TF1", 2 "F2", 3 "F3".
inline constexpr int ChannelCount = 4;

// The one logo the calendar shows for a note. "C+" outranks every other
// name, and a note naming no broadcaster gets the "C+" logo as well.
int ChannelIndexOf(const QString &text);
