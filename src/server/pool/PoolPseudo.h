#pragma once

#include <QString>

// What a pseudo may be; two pseudos are one player when their folded
// names (history/NameKey) agree.
namespace poolPseudo {

inline constexpr int maxLength = 32;

// 1 to `maxLength` printable characters, at least one of them a letter or
// a digit, and nothing a reader cannot see: no control, no line break, no
// character that is drawn as nothing (a filler, a joiner, a variation
// selector, a blank pattern), so that no pseudo is blank, breaks a page or
// a log line, or passes for another with a hidden character added.
bool isFit(const QString &pseudo);

} // namespace poolPseudo
