#pragma once

#include <QFont>
#include <QString>

class QEvent;
class QWidget;

// A line of text made to fit its box on screen: in the widget's own font
// while it fits; else in a smaller size of that font, never below a floor
// that stays readable; and at the floor, cut with an ellipsis. A cut text
// shows whole in its tooltip, before whatever tooltip the widget has.
namespace fittingText {

struct Fit
{
    QFont font;
    QString text;
    bool elided = false;
};

// The smallest size a text is shrunk to, as a share of its font's size.
inline constexpr double floorShare = 0.8;

// `height` bounds the font's line height too, so that a row that the
// chart's scale made tight still shows whole letters; 0 leaves it free.
Fit fit(const QString &text, const QFont &font, int width, int height = 0);

// For any event of a widget: a ToolTip event while the shown text is cut
// shows `whole` (and the widget's own tooltip below it) and returns true.
bool showWholeText(QWidget *w, QEvent *event, const QString &whole, const Fit &shown);

} // namespace fittingText
