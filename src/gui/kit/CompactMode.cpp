#include "gui/kit/CompactMode.h"

#include <cmath>
#include <optional>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>

namespace compactMode {
namespace {

// Where each control was built, kept on the control itself so that panels,
// rows and boxes that move later can say where they move to.
constexpr const char *designGeometryKey = "designGeometry";
constexpr const char *designPointsKey = "designPoints";
constexpr const char *designPixelsKey = "designPixels";
constexpr const char *designIconKey = "designIconSize";
constexpr const char *designStretchKey = "designStretch";
// The window's scale, for what is placed or built after it was set.
constexpr const char *geometryKey = "chartGeometryScale";
constexpr const char *fontKey = "chartFontScale";
constexpr const char *fontStepKey = "chartFontStep";
constexpr const char *offsetKey = "chartOffset";
constexpr const char *proportionsKey = "keepsProportions";

// The banners move and size with the page, but their pictures keep their
// proportions.
bool keepsProportions(const QWidget *w)
{
    return w->property(proportionsKey).toBool();
}

// These lay out their own insides; scaling those too would scale twice.
bool placesItsOwnChildren(const QWidget *w)
{
    return qobject_cast<const QAbstractScrollArea *>(w) || qobject_cast<const QComboBox *>(w) ||
           qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QLineEdit *>(w) ||
           qobject_cast<const QAbstractButton *>(w);
}

void collectControls(QWidget *parent, QList<QWidget *> &controls)
{
    for (QObject *child : parent->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        // Windows of their own (print, statistics) keep their size.
        if (!w || w->isWindow())
            continue;
        controls.append(w);
        if (!placesItsOwnChildren(w))
            collectControls(w, controls);
    }
}

int scaledLength(int length, double factor)
{
    return int(std::lround(length * factor));
}

QSize scaledSize(const QSize &size, double factor)
{
    return {scaledLength(size.width(), factor), scaledLength(size.height(), factor)};
}

// Edges rather than sizes, so that controls that touched still touch.
QRect scaledRect(const QRect &r, double factor)
{
    const int left = scaledLength(r.x(), factor);
    const int top = scaledLength(r.y(), factor);
    return {left, top, scaledLength(r.x() + r.width(), factor) - left,
            scaledLength(r.y() + r.height(), factor) - top};
}

// Buttons and item views draw icons at a size of their own.
std::optional<QSize> iconSizeOf(const QWidget *w)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        return button->iconSize();
    if (const auto *view = qobject_cast<const QAbstractItemView *>(w))
        return view->iconSize();
    return std::nullopt;
}

void setIconSize(QWidget *w, const QSize &size)
{
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        button->setIconSize(size);
    else if (auto *view = qobject_cast<QAbstractItemView *>(w))
        view->setIconSize(size);
}

// Every design is read before anything is scaled: a child that inherits
// its parent's font would otherwise take the scaled one for its own.
void recordDesign(QWidget *w)
{
    if (w->property(designGeometryKey).isValid())
        return;
    w->setProperty(designGeometryKey, w->geometry());
    const QFont font = w->font();
    if (font.pointSizeF() > 0)
        w->setProperty(designPointsKey, font.pointSizeF());
    else
        w->setProperty(designPixelsKey, font.pixelSize());
    if (const std::optional<QSize> icon = iconSizeOf(w))
        w->setProperty(designIconKey, *icon);
    if (const auto *label = qobject_cast<const QLabel *>(w))
        w->setProperty(designStretchKey, label->hasScaledContents());
}

QRect placed(const QWidget &w, const QRect &design, const Scale &scale)
{
    QRect r = scaledRect(design, scale.geometry);
    if (w.parentWidget() == w.window())
        r.translate(scale.offset);
    return r;
}

void apply(QWidget *w, const Scale &scale)
{
    if (auto *label = qobject_cast<QLabel *>(w))
        label->setScaledContents(w->property(designStretchKey).toBool() ||
                                 (scale.geometry != 1.0 && !keepsProportions(label)));
    w->setGeometry(placed(*w, w->property(designGeometryKey).toRect(), scale));
    if (const QVariant icon = w->property(designIconKey); icon.isValid())
        setIconSize(w, scaledSize(icon.toSize(), scale.geometry));
    QFont font = w->font();
    if (const QVariant points = w->property(designPointsKey); points.isValid())
        font.setPointSizeF(std::max(1.0, (points.toDouble() + scale.fontStep) * scale.font));
    else
        font.setPixelSize(
            std::max(1, scaledLength(w->property(designPixelsKey).toInt() + scale.fontStep, scale.font)));
    if (font != w->font())
        w->setFont(font);
}

void scale(const QList<QWidget *> &controls, const Scale &scale)
{
    for (QWidget *w : controls)
        recordDesign(w);
    for (QWidget *w : controls)
        apply(w, scale);
}

} // namespace

void setScale(QWidget &window, const Scale &s)
{
    window.setProperty(geometryKey, s.geometry);
    window.setProperty(fontKey, s.font);
    window.setProperty(fontStepKey, s.fontStep);
    window.setProperty(offsetKey, s.offset);
    QList<QWidget *> controls;
    collectControls(&window, controls);
    scale(controls, s);
}

Scale scaleOf(const QWidget &window)
{
    Scale s;
    if (const QVariant geometry = window.property(geometryKey); geometry.isValid()) {
        s.geometry = geometry.toDouble();
        s.font = window.property(fontKey).toDouble();
        s.fontStep = window.property(fontStepKey).toInt();
        s.offset = window.property(offsetKey).toPoint();
    }
    return s;
}

void adopt(QWidget &panel)
{
    // At the design's own scale nothing moves, and the design is read from
    // the controls themselves when a scale first comes.
    const Scale s = scaleOf(*panel.window());
    if (s == Scale())
        return;
    QList<QWidget *> controls{&panel};
    if (!placesItsOwnChildren(&panel))
        collectControls(&panel, controls);
    scale(controls, s);
}

void place(QWidget &w, const QRect &design)
{
    recordDesign(&w);
    w.setProperty(designGeometryKey, design);
    w.setGeometry(placed(w, design, scaleOf(*w.window())));
}

QRect designGeometry(const QWidget &w)
{
    const QVariant design = w.property(designGeometryKey);
    return design.isValid() ? design.toRect() : w.geometry();
}

void keepProportions(QWidget &picture)
{
    picture.setProperty(proportionsKey, true);
}

} // namespace compactMode
