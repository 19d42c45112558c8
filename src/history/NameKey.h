#pragma once

#include <QString>

// A name as the alphabetical order compares it: accents and case dropped.
// Kept once per name where many comparisons follow (a pool's players).
QString alphabeticalKey(const QString &name);
