#pragma once

#include <QByteArray>
#include <QString>

#include "online/UpdateOutcome.h"

// Puts a downloaded chart in place of the chart file `stem` of the program
// folder. Nothing on disk changes unless body is a whole chart of `stem`'s
// tournament (wholeChartNamed), parsed once: the outcome hands that parse on for the window to load. The file
// there before is kept as "<stem>.bak" (one generation), and the user's
// own entries as a kept prediction: those of `typed`, the chart as the
// window shows it, or of the file when no window is, under the user's
// pseudo or else `unnamed`. Only then does the new
// chart replace the file atomically; a backup or a prediction that cannot
// be written stops the replacement, since the user's typed predictions may
// live only there.
UpdateOutcome replaceChart(const QString &stem, const QByteArray &body, const QByteArray &typed,
                           const QString &unnamed);
