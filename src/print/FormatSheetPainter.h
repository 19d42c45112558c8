#pragma once

#include <QRectF>
#include <QSize>

class QPainter;
struct FormatSheet;

// The sheet of the formats read from their rules is designed in pixels of
// a picture shaped as the printable part of an A4 landscape page, larger
// than the 2010 one: twelve groups and a round of 32 need the room.
constexpr QSize formatSheetSize(1000, 686);

// Every group as a table over its six scores, the thirds' ranking with its
// line, the bracket in two halves meeting at the final, the match for third
// place where the format has one and the podium, all in the sheet's pixels.
void paintFormatSheet(QPainter &p, const FormatSheet &sheet);

// Where the web link is written, for the print window's click area.
QRectF formatSheetLinkArea();
