#pragma once

#include <QByteArray>
#include <QString>

#include "online/UpdateOutcome.h"

// Puts a downloaded chart in place of the chart file `stem` of the program
// folder. Nothing on disk changes unless body is a whole 2010 chart. The file
// there before is kept as "<stem>.bak" (one generation), then the new one
// replaces it atomically; a backup that cannot be written stops the
// replacement, since the user's typed predictions may live only there.
UpdateOutcome replaceChart(const QString &stem, const QByteArray &body);
