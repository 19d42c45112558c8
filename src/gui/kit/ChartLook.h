#pragma once

#include <QColor>

class QFrame;
class QLabel;
class QWidget;

// The look of the wall chart: white cards on a soft pitch green. Done with
// palettes and fonts rather than a style sheet, so that the colours the
// rules give to cells always show.
namespace chartLook {

const QColor pitch(0xe8, 0xef, 0xe6);
const QColor ink(0x1f, 0x4d, 0x2b);
const QColor banner(0x1f, 0x6b, 0x3a);
const QColor line(0xa9, 0xc2, 0xa4);
const QColor muted(0x5b, 0x75, 0x60);
// A slip worth a second look, readable on white.
const QColor warning(0xb0, 0x1c, 0x1c);
// Where and when a match is played.
const QColor venue(0, 128, 0);
const QColor kickOff(0, 192, 0);

void applyApplicationLook();
// White heading on a green band: round captions.
void makeBanner(QLabel *label);
void makeHeading(QLabel *label);
// A knock-out match: a white box with a thin green frame.
void makeMatchBox(QFrame *box);
void setTextColour(QWidget *w, const QColor &colour);
void setFontSize(QWidget *w, double points, bool bold);

} // namespace chartLook
