#include "online/ChartReplacement.h"

#include "storage/AtomicWrite.h"
#include "storage/ChartFile.h"
#include "storage/IniDocument.h"
#include "storage/KeptPredictions.h"
#include "storage/ProgramFolder.h"
#include "storage/TextFileReading.h"
#include "storage/UserSettings.h"

UpdateOutcome replaceChart(const QString &stem, const QByteArray &body, const QByteArray &typed,
                           const QString &unnamed)
{
    UpdateOutcome outcome;
    std::optional<IniDocument> fresh = wholeChartNamed(stem, body);
    if (!fresh) {
        outcome.failure = UpdateOutcome::Failure::NotAChart;
        return outcome;
    }

    const QString path = ProgramFolder::filePath(stem + QStringLiteral(".ini"));
    // Whatever chart is there goes to the backup, however large; a pipe or
    // a device in its place is no chart, and reading it would wait for ever.
    const FileReading current = readRegularFile(path, 64 * 1024 * 1024);
    QByteArray previous;
    if (current.status != FileReadStatus::Missing) {
        if (current.status != FileReadStatus::Read) {
            outcome.failure = UpdateOutcome::Failure::Unwritable;
            return outcome;
        }
        previous = current.bytes;
        // The same bytes again leave nothing to keep: the backup goes on
        // holding the generation before.
        if (previous != body) {
            if (!writeFileAtomically(ProgramFolder::filePath(stem + QStringLiteral(".bak")), previous)) {
                outcome.failure = UpdateOutcome::Failure::Unwritable;
                return outcome;
            }
            outcome.backupKept = true;
        }
    }
    const std::optional<QString> kept =
        KeptPredictions::keepBeforeUpdate(typed.isEmpty() ? previous : typed, *fresh, UserSettings().pseudo(), unnamed);
    if (!kept || (previous != body && !writeFileAtomically(path, body))) {
        outcome.failure = UpdateOutcome::Failure::Unwritable;
        return outcome;
    }

    outcome.keptAs = *kept;
    outcome.playedBefore = playedScores(IniDocument(previous)).cells;
    outcome.playedAfter = playedScores(*fresh).cells;
    outcome.publishedVersion =
        fresh->value(QStringLiteral("CV"), QStringLiteral("0")).value_or(QStringLiteral("-"));
    outcome.chart = std::move(fresh);
    return outcome;
}
