#include "gui/kit/CompactMode.h"

#include <cmath>

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

// The banners move and size with the page, but show the downloaded picture
// at its own size.
bool keepsNaturalSize(const QWidget *w)
{
    const QString &name = w->objectName();
    return name == u"Image13" || name == u"Image14" || name == u"Image15";
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

// Edges rather than sizes, so that controls that touched still touch.
QRect scaledRect(const QRect &r, double factor)
{
    const int left = scaledLength(r.x(), factor);
    const int top = scaledLength(r.y(), factor);
    return {left, top, scaledLength(r.x() + r.width(), factor) - left,
            scaledLength(r.y() + r.height(), factor) - top};
}

QFont steppedFont(QFont font, int step)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(std::max(1.0, font.pointSizeF() + step));
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, font.pixelSize() + step));
    return font;
}

void scale(const QList<QWidget *> &controls, double factor, int fontStep)
{
    // Every font is read before any is set: a child that inherits its
    // parent's font would otherwise take the step twice.
    QList<QFont> fonts;
    fonts.reserve(controls.size());
    for (const QWidget *w : controls)
        fonts.append(w->font());

    for (qsizetype i = 0; i < controls.size(); ++i) {
        QWidget *w = controls[i];
        if (auto *label = qobject_cast<QLabel *>(w))
            label->setScaledContents(!keepsNaturalSize(label));
        w->setGeometry(scaledRect(w->geometry(), factor));
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            button->setIconSize(scaled(button->iconSize(), factor));
        else if (auto *view = qobject_cast<QAbstractItemView *>(w))
            view->setIconSize(scaled(view->iconSize(), factor));
        w->setFont(steppedFont(fonts[i], fontStep));
    }
}

} // namespace

void scaleControls(QWidget &window, double factor, int fontStep)
{
    QList<QWidget *> controls;
    collectControls(&window, controls);
    scale(controls, factor, fontStep);
}

void scalePanel(QWidget &panel, double factor, int fontStep)
{
    QList<QWidget *> controls{&panel};
    if (!placesItsOwnChildren(&panel))
        collectControls(&panel, controls);
    scale(controls, factor, fontStep);
}

QSize scaled(const QSize &size, double factor)
{
    return {scaledLength(size.width(), factor), scaledLength(size.height(), factor)};
}

} // namespace compactMode
