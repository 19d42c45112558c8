#pragma once

// Where the template's boxes stand, in pixels of the sheet, shared by the
// template that draws them and the placement that keeps names inside them.
namespace sheetGeometry {

// The left and right edges of a column of boxes, and where its names start.
struct Column
{
    double left;
    double right;
    double text; // = the name's x in twips / 15
};

constexpr Column groups{60, 180, 950 / 15.0};
constexpr Column roundOf16Left{190, 283, 2900 / 15.0};
constexpr Column roundOf16Right{300, 393, 4550 / 15.0};
constexpr Column quarterFinals{423, 536, 6400 / 15.0};
constexpr Column semiFinals{550, 662, 8300 / 15.0};
constexpr Column final{677, 790, 10200 / 15.0};
constexpr Column thirdPlace{790, 918, 11900 / 15.0};
// The podium's steps: the champion's in the middle, higher.
constexpr Column secondStep{689, 770, 10400 / 15.0};
constexpr Column firstStep{770, 838, 11650 / 15.0};
constexpr Column thirdStep{838, 918, 12610 / 15.0};

// A name's box reaches from just above its text to the next row: rows are
// 240 twips (16 pixels) apart.
constexpr double rowHeight = 16;
constexpr double boxAbove = 4.0 / 3.0;
// Room kept between a name and the right edge of its box.
constexpr double padding = 3;

constexpr double nameWidth(const Column &c)
{
    return c.right - padding - c.text;
}

// The champion's name stands above the middle step with nothing beside it
// on that row, so it may use the air above the lower steps up to the
// sheet's margin.
constexpr double championWidth = 918 - padding - firstStep.text;

// The rows of the group column: group g's place p at y = 680 + 240 (5g + p - 1)
// twips; the fifth row of each block stays empty between groups.
constexpr int firstRowTwips = 680;
constexpr int rowTwips = 240;

} // namespace sheetGeometry
