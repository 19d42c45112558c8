#pragma once

#include <QString>

// What a pseudo may be, and when two pseudos are one player.
namespace poolPseudo {

inline constexpr int maxLength = 32;

// 1 to `maxLength` printable characters, at least one of them a letter or
// a digit, and nothing a reader cannot see: no control, no line break, no
// character that is drawn as nothing (a filler, a joiner, a variation
// selector, a blank pattern), so that no pseudo is blank, breaks a page or
// a log line, or passes for another with a hidden character added.
bool isFit(const QString &pseudo);

// The key two pseudos share when they are the same player: the same once
// compatibility forms are unified (NFKC: a ligature is its letters) and
// the case folded fully ("Straße" is "STRASSE", "İ" an i with its dot).
QString folded(const QString &pseudo);

} // namespace poolPseudo
