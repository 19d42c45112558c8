#pragma once

#include <QString>
#include <QTimeZone>

// The zone kick-offs are shown in: the one named on the command line, else
// the one picked on the help page, else the system's (TZ when set). A name
// the zone database does not know counts as not given.
QTimeZone userZone(const QString &option, const QString &stored);
// The name behind userZone(), or an empty text when it is the computer's
// own clock.
QString chosenZoneName(const QString &option, const QString &stored);
// The zone of that name; an empty name is the computer's clock.
QTimeZone zoneNamed(const QString &name);
