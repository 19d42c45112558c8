#pragma once

#include <QObject>

// The one object of type T the window made below root. A test that finds
// none or several stops at once: it would otherwise drive the wrong one.
template <typename T>
T &onlyChild(const QObject &root)
{
    const QList<T *> found = root.findChildren<T *>();
    if (found.size() != 1)
        qFatal("%d objects of type %s", int(found.size()), T::staticMetaObject.className());
    return *found.first();
}
