#pragma once

#include <QColor>

// Printer-friendly: black lines on white, one green for headings, light
// fills that a black-and-white printer turns into pale greys.
namespace sheetColours {

inline const QColor ink(0x1f, 0x4d, 0x2b);
inline const QColor green(0x1f, 0x6b, 0x3a);
inline const QColor border(0x55, 0x5f, 0x57);
inline const QColor shade(0xdc, 0xdc, 0xdc);
inline const QColor qualifiedFill(0xee, 0xf6, 0xec);
inline const QColor linkBlue(0x1a, 0x4f, 0xa0);

} // namespace sheetColours
