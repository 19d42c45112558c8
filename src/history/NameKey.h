#pragma once

#include <QString>

// The key two names share when they are one player's: the same once
// compatibility forms are unified (NFKC: a ligature is its letters) and
// the case folded fully ("Straße" is "STRASSE", "İ" an i with its dot).
QString foldedName(const QString &name);

// A name as the alphabetical order compares it: its folded name with the
// accents dropped. Kept once per name where many comparisons follow (a
// pool's players).
QString alphabeticalKey(const QString &name);
