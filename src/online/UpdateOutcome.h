#pragma once

#include <optional>

#include <QString>

#include "online/DownloadResult.h"
#include "storage/IniDocument.h"

// How a results update ended, and for a successful one what it changed.
struct UpdateOutcome
{
    enum class Failure {
        None,
        Download,   // see download.failure
        NotAChart,  // the server sent something else than a chart file
        Unwritable, // the folder refused the backup or the new file
    };

    Failure failure = Failure::None;
    // The user's chart the update was for ("VYL2010").
    QString chartName = QStringLiteral("VYL2010");
    DownloadResult download; // its body is not kept
    // The server said the chart the last update brought is still the
    // published one; the chart file was not written.
    bool upToDate = false;
    // Score cells played in the file before and after (group and
    // knock-out goals; penalties are not scores of their own).
    int playedBefore = 0;
    int playedAfter = 0;
    // The chart's "CV" after the update, "-" when it has none.
    QString publishedVersion = QStringLiteral("-");
    // Whether the previous file is now the backup.
    bool backupKept = false;
    // The kept prediction that holds the user's own entries now; empty when
    // the chart replaced held none that the results do not.
    QString keptAs;
    // The chart now in the file, as checked: what the window loads.
    std::optional<IniDocument> chart;

    bool ok() const { return failure == Failure::None; }
    // One line in plain English for a terminal.
    QString describe() const;
};
