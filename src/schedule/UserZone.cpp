#include "schedule/UserZone.h"

QTimeZone userZone(const QString &option, const QString &stored)
{
    for (const QString &name : {option, stored})
        if (!name.isEmpty())
            if (const QTimeZone zone(name.toUtf8()); zone.isValid())
                return zone;
    return QTimeZone::systemTimeZone();
}
