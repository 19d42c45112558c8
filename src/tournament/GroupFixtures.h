#pragma once

#include "tournament/Cell.h"

#include <array>

// The fixed six-match table shared by all eight groups. Match m keeps its
// home goals in score cell 2m and its away goals in cell 2m+1; the match
// labels use the same indexes.
struct Fixture
{
    int home; // team slot 1..4
    int away;
};

constexpr std::array<Fixture, 6> GroupFixtures{{{1, 2}, {3, 4}, {1, 3}, {4, 2}, {4, 1}, {2, 3}}};

// Team slot shown by match label (and owning score cell) i.
constexpr int slotOfLabel(int i)
{
    return i % 2 == 0 ? GroupFixtures[std::size_t(i / 2)].home : GroupFixtures[std::size_t(i / 2)].away;
}

// Rows of places 1 to 4 (twips inside the group frame). The larger gap
// between places 2 and 3 sets the qualified rows apart; seeding reads a
// group's winner and runner-up from rows 690 and 945.
constexpr std::array<int, 4> PlaceRows{690, 945, 1380, 1635};

constexpr int placeRow(int place)
{
    return PlaceRows[std::size_t(place - 1)];
}

constexpr Rgb slotBackground(int slot)
{
    constexpr std::array<Rgb, 4> backgrounds{colours::white, rgb(255, 255, 192), rgb(192, 255, 192),
                                             rgb(192, 255, 255)};
    return backgrounds[std::size_t(slot - 1)];
}
