#pragma once

#include <functional>

#include <QString>

// The two places where loading a chart hands over to other parts of the
// program. An empty hook does nothing and lets the load go on.
struct ChartHooks
{
    // Given the chart's "CV" text; false ends the load there.
    std::function<bool(const QString &latestVersion)> versionCheck;
    // Given the chart's name, once every cell is loaded.
    std::function<void(const QString &chartName)> buildSchedule;
};
