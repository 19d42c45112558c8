#pragma once

#include <array>

#include <QString>

class Tournament;

// The 32 teams in group order and place order: slot 4g + p holds the team
// in place p of group g (A = 0). Slot 0 is unused. The sheet and the
// statistics both read the groups through it.
using TeamList = std::array<QString, 33>;

// Fills the list from the rows the team cells stand on. A cell at no place
// row writes nothing, so its slot keeps what the list held before.
void ChargeInfo(const Tournament &t, TeamList &list);
