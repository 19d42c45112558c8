#include "online/UpdateOutcome.h"

#include "online/VersionCheck.h"

QString UpdateOutcome::describe() const
{
    switch (failure) {
    case Failure::None:
        break;
    case Failure::Download:
        return QStringLiteral("update failed: %1; chart unchanged").arg(download.describe());
    case Failure::NotAChart:
        return QStringLiteral("update failed: the server sent no whole 2010 chart; chart unchanged");
    case Failure::Unwritable:
        return QStringLiteral("update failed: the chart file could not be written; chart unchanged");
    }
    if (upToDate)
        return QStringLiteral("chart already up to date; nothing written");
    QString line = QStringLiteral("chart updated: %1 scores played (was %2), published version %3")
                       .arg(playedAfter)
                       .arg(playedBefore)
                       .arg(publishedVersion);
    if (newerVersionPublished(publishedVersion))
        line += QStringLiteral(", newer than this program");
    if (backupKept)
        line += QStringLiteral("; previous file kept as %1.bak").arg(chartName);
    if (!keptAs.isEmpty())
        line += QStringLiteral("; your own entries kept as the prediction \"%1\"").arg(keptAs);
    return line;
}
