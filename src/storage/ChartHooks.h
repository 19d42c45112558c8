#pragma once

#include <functional>

#include <QString>

class IniDocument;

enum class ChartFileProblem {
    TooLarge,  // not loaded, and no save will replace it
    NotAChart, // moved aside when it could be; the path told is where it is now
};

// The places where loading a chart hands over to other parts of the
// program. An empty hook does nothing and lets the load go on.
struct ChartHooks
{
    // Given the chart's "CV" text; false ends the load there.
    std::function<bool(const QString &latestVersion)> versionCheck = {};
    // Given the chart as read, once every cell is loaded.
    std::function<void(const IniDocument &file)> buildSchedule = {};
    // Told when the file is there but cannot be shown; the empty chart is
    // loaded instead.
    std::function<void(ChartFileProblem problem, const QString &path)> fileProblem = {};
};
