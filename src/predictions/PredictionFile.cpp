#include "predictions/PredictionFile.h"

#include "storage/ChartFile.h"
#include "storage/ChartForm.h"
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
            return {PredictionProblem::NotAChart, {}};
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

std::unique_ptr<Tournament> loadedPrediction(const QByteArray &bytes)
{
    const IniDocument file(bytes);
    const ChartForm form = chartFormOf(file);
    if (!form.rules || !chartFormProblem(file, *form.rules).isEmpty())
        return nullptr;
    auto t = std::make_unique<Tournament>(*form.rules);
    LoadChartDocument(*t, QStringLiteral("VYL2010"), file, 0);
    t->setReady(true);
    RefreshAll(*t);
    return t;
}

bool sameTeams(const Tournament &prediction, const Tournament &results)
{
    if (&prediction.rules() != &results.rules())
        return false;
    for (GroupId g : results.groupIds())
        for (int slot = 1; slot <= 4; ++slot)
            if (prediction.group(g).team->text(slot) != results.group(g).team->text(slot))
                return false;
    return true;
}
