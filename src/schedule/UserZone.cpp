#include "schedule/UserZone.h"

QTimeZone userZone(const QString &option, const QString &stored)
{
    return zoneNamed(chosenZoneName(option, stored));
}

QTimeZone zoneNamed(const QString &name)
{
    return name.isEmpty() ? QTimeZone::systemTimeZone() : QTimeZone(name.toUtf8());
}

QString chosenZoneName(const QString &option, const QString &stored)
{
    for (const QString &name : {option, stored})
        if (!name.isEmpty() && QTimeZone(name.toUtf8()).isValid())
            return name;
    return {};
}
