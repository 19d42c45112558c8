#pragma once

#include <QString>

// Alphabetical order of team names as a reader expects it: accents and case
// do not count ("Côte d'Ivoire" comes before "Croatia"); names equal under
// that rule fall back to their exact text so that the order stays total.
bool alphabeticallyBefore(const QString &a, const QString &b);
