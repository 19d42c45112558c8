#pragma once

#include <QRect>
#include <QString>
#include <QVariant>
#include <QWidget>

// The chart is designed in twips at 15 twips per pixel.
constexpr int px(int twips)
{
    return (twips + 7) / 15;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

// Every control carries its name as object name and, when it is an element
// of a control array, its index in the "index" property: language files
// address controls that way.
inline void nameControl(QWidget *w, const QString &name, int index = -1)
{
    w->setObjectName(name);
    if (index >= 0)
        w->setProperty("index", index);
}

inline int controlIndex(const QObject *w)
{
    const QVariant v = w->property("index");
    return v.isValid() ? v.toInt() : -1;
}

template <typename W, typename... Args>
W *makeControl(QWidget *parent, const QString &name, int index, const QRect &twips, Args &&...args)
{
    auto *w = new W(std::forward<Args>(args)..., parent);
    nameControl(w, name, index);
    w->setGeometry(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height()));
    return w;
}
