#include "online/ChartReplacement.h"

#include <array>

#include "storage/AtomicWrite.h"
#include "storage/ChartFile.h"
#include "storage/IniDocument.h"
#include "storage/KeptPredictions.h"
#include "storage/ProgramFolder.h"
#include "storage/TextFileReading.h"
#include "storage/UserSettings.h"

namespace {

int playedScores(const IniDocument &chart)
{
    struct Section
    {
        QString name;
        int keys;
    };
    static const std::array<Section, 13> scoreSections{{
        {QStringLiteral("ButA"), 12},
        {QStringLiteral("ButB"), 12},
        {QStringLiteral("ButC"), 12},
        {QStringLiteral("ButD"), 12},
        {QStringLiteral("ButE"), 12},
        {QStringLiteral("ButF"), 12},
        {QStringLiteral("ButG"), 12},
        {QStringLiteral("ButH"), 12},
        {QStringLiteral("But8"), 16},
        {QStringLiteral("But4"), 8},
        {QStringLiteral("ButDEM"), 4},
        {QStringLiteral("BUTPetFIN"), 2},
        {QStringLiteral("BUTFIN"), 2},
    }};
    int played = 0;
    for (const Section &section : scoreSections)
        for (int key = 0; key < section.keys; ++key)
            if (chart.value(section.name, QString::number(key)).value_or(QStringLiteral("-")) != u"-")
                ++played;
    return played;
}

} // namespace

UpdateOutcome replaceChart(const QString &stem, const QByteArray &body, const QByteArray &typed)
{
    UpdateOutcome outcome;
    std::optional<IniDocument> fresh = wholeChart2010(body);
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
        KeptPredictions::keepBeforeUpdate(typed.isEmpty() ? previous : typed, *fresh, UserSettings().pseudo());
    if (!kept || (previous != body && !writeFileAtomically(path, body))) {
        outcome.failure = UpdateOutcome::Failure::Unwritable;
        return outcome;
    }

    outcome.keptAs = *kept;
    outcome.playedBefore = playedScores(IniDocument(previous));
    outcome.playedAfter = playedScores(*fresh);
    outcome.publishedVersion =
        fresh->value(QStringLiteral("CV"), QStringLiteral("0")).value_or(QStringLiteral("-"));
    outcome.chart = std::move(fresh);
    return outcome;
}
