#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

// The chart at any size: every control below the window, in every panel
// and whether shown or not, is placed at a scale of the place it was built
// at (its design place), and its font set at the scaled size, so that the
// text is drawn afresh rather than zoomed. Each scaling starts from the
// design, so that no number of resizes or mode switches wears the layout
// down by rounding. The compact display is one step of that scale: the
// geometry times 0.85 and every font a point smaller. The downloaded banner
// pictures move with the chart and scale in their own proportions.
namespace compactMode {

inline constexpr double factor = 0.85;

struct Scale
{
    double geometry = 1.0;
    // Fonts are (design size + fontStep) x font, in points or pixels.
    double font = 1.0;
    int fontStep = 0;
    // Added to the controls lying directly on the window: the spare room
    // of a window wider or taller than the chart, shared on both sides.
    QPoint offset;

    bool operator==(const Scale &) const = default;
};

// Scales every control below the window and keeps the scale for what is
// placed or built later.
void setScale(QWidget &window, const Scale &scale);
Scale scaleOf(const QWidget &window);
// A panel built after the window was scaled takes the window's scale.
void adopt(QWidget &panel);
// Moves a control to a new design place, shown at its window's scale.
void place(QWidget &w, const QRect &design);
QRect designGeometry(const QWidget &w);
// A picture downloaded at whatever size (the banners): it moves and sizes
// with the chart, but is never stretched to its box; its owner scales it in
// its own proportions.
void keepProportions(QWidget &picture);

} // namespace compactMode
