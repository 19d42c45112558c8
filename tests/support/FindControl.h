#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QMetaObject>
#include <QString>
#include <QVariant>
#include <QWidget>

// The control `name` below root; with an index, the element of that control
// array. Null unless exactly one control answers, so that a duplicated or
// missing control fails the test that looks for it.
//
// Panels the window builds when first shown are built first, so that a
// test may look at any control without showing its panel.
template <typename W = QWidget>
W *findControl(const QWidget &root, const QString &name, int index = -1)
{
    QObject *window = root.window();
    if (window->metaObject()->indexOfMethod("buildEveryPanel()") >= 0)
        QMetaObject::invokeMethod(window, "buildEveryPanel");
    W *found = nullptr;
    for (W *w : root.findChildren<W *>(name)) {
        const QVariant element = w->property("index");
        if (index >= 0 ? (element.isValid() && element.toInt() == index) : !element.isValid()) {
            if (found)
                return nullptr;
            found = w;
        }
    }
    return found;
}

// What the control shows; a marker text when there is none.
inline QString shownText(const QWidget *w)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(w))
        return edit->text();
    if (const auto *label = qobject_cast<const QLabel *>(w))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        return button->text();
    return QStringLiteral("<no control>");
}

inline QString shownText(const QWidget &root, const QString &name, int index = -1)
{
    return shownText(findControl(root, name, index));
}
