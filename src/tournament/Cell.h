#pragma once

#include <QString>

// Colours are plain 0xRRGGBB values so that the model needs nothing from QtGui.
using Rgb = quint32;

constexpr Rgb rgb(int r, int g, int b)
{
    return (Rgb(r) << 16) | (Rgb(g) << 8) | Rgb(b);
}

namespace colours {
constexpr Rgb black = rgb(0, 0, 0);
constexpr Rgb white = rgb(255, 255, 255);
constexpr Rgb qualified = rgb(255, 0, 0);
constexpr Rgb eliminated = rgb(200, 200, 200);
constexpr Rgb seeded = rgb(192, 0, 0);
constexpr Rgb winner = rgb(0, 128, 0);
constexpr Rgb penalty = rgb(128, 128, 128);
// Not a colour: tells the window to use the platform's button face.
constexpr Rgb buttonFace = 0x01000000;
} // namespace colours

// One named cell of the wall chart: what the rules read and write.
struct Cell
{
    QString text;
    QString tag;
    QString toolTip;
    Rgb textColour = colours::black;
    Rgb background = colours::white;
    bool bold = false;
    int row = 0; // top edge in twips inside its frame
};

enum class CellProperty { Text, Tag, ToolTip, TextColour, Background, Bold, Row };
