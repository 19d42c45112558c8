#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <QWidget>

// The control `name` below root; with an index, the element of that control
// array. Null unless exactly one control answers, so that a duplicated or
// missing control fails the test that looks for it.
template <typename W = QWidget>
W *findControl(const QWidget &root, const QString &name, int index = -1)
{
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
