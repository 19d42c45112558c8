#pragma once

#include <cmath>

// Numbers typed into language files and settings are turned into whole ones
// with halves going to the even neighbour ("2.5" is 2, "3.5" is 4), as the
// program has always converted them. Infinity and NaN stay as they are, so
// callers reject them with their range check.
inline double roundedWhole(double value)
{
    return std::nearbyint(value);
}
