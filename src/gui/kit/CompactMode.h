#pragma once

#include <QSize>

class QWidget;

// The compact display: every control below the window, in every panel and
// whether shown or not, is scaled about the window's top-left corner and
// its font moved by whole points. Nothing is remembered: scaling by the
// inverse factor and the opposite step gives the layout back up to
// rounding. The downloaded banner pictures keep their natural size.
namespace compactMode {

inline constexpr double factor = 0.85;

void scaleControls(QWidget &window, double factor, int fontStep);
// A panel built while the window is scaled: itself and everything in it.
void scalePanel(QWidget &panel, double factor, int fontStep);
QSize scaled(const QSize &size, double factor);

} // namespace compactMode
