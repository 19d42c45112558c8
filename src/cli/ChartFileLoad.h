#pragma once

#include <QString>

#include "storage/ChartHooks.h"

class Tournament;

// Loads the chart file `file` exactly as the window loads a whole chart
// (LoadChart, ready flag, RefreshAll). The file may lie in any folder; its
// stem names the chart. Returns an empty text, or why the file cannot be
// read as a chart (then `t` is untouched).
QString loadChartFile(const QString &file, Tournament &t, const ChartHooks &hooks = {});
