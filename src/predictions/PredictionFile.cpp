#include "predictions/PredictionFile.h"

#include "storage/ChartFile.h"
#include "storage/IniDocument.h"
#include "storage/TextFileReading.h"
#include "tournament/RefreshAll.h"
#include "tournament/Tournament.h"

PredictionFile readPredictionFile(const QString &path)
{
    FileReading file = readTextFile(path);
    switch (file.status) {
    case FileReadStatus::Read:
        if (!isChartFile(file.bytes) || file.bytes.contains('\0'))
            return {PredictionProblem::NotA2010Chart, {}};
        return {PredictionProblem::None, std::move(file.bytes)};
    case FileReadStatus::TooLarge:
        return {PredictionProblem::TooLarge, {}};
    case FileReadStatus::Missing:
    case FileReadStatus::Unreadable:
        break;
    }
    return {PredictionProblem::Unreadable, {}};
}

void loadPrediction(Tournament &t, const QByteArray &bytes)
{
    LoadChartDocument(t, QStringLiteral("VYL2010"), IniDocument(bytes), 0);
    t.setReady(true);
    RefreshAll(t);
}

bool sameTeams(const Tournament &prediction, const Tournament &results)
{
    for (GroupId g : allGroups)
        for (int slot = 1; slot <= 4; ++slot)
            if (prediction.group(g).team->text(slot) != results.group(g).team->text(slot))
                return false;
    return true;
}
