#include "gui/predictions/PredictionKeeper.h"

#include "gui/kit/Prompts.h"
#include "gui/predictions/KeptNotice.h"
#include "predictions/PredictionCircle.h"
#include "storage/ChartFile.h"
#include "storage/KeptPredictions.h"
#include "storage/OwnChart.h"
#include "storage/ProgramFolder.h"
#include "storage/UserSettings.h"
#include "tournament/Tournament.h"

#include <QDir>

namespace {

const QString title = QStringLiteral("Vylora 2010");

} // namespace

PredictionKeeper::PredictionKeeper(const Tournament &t, Prompts &prompts, QObject *parent)
    : QObject(parent)
    , m_tournament(t)
    , m_prompts(prompts)
{}

QByteArray PredictionKeeper::shownChart(QWidget *parent, const QString &chartName)
{
    if (m_tournament.chartName() == chartName)
        return ::shownChart(m_tournament);
    const QString fileName = chartName + QStringLiteral(".ini");
    const PredictionFile file = readPredictionFile(ProgramFolder::filePath(fileName));
    if (file.problem != PredictionProblem::None) {
        refuse(parent, file.problem, fileName);
        return {};
    }
    return file.bytes;
}

bool PredictionKeeper::keepOwn(QWidget *parent)
{
    const QByteArray chart = shownChart(parent);
    if (chart.isEmpty())
        return false;
    const QString pseudo = KeptPredictions::fileNameFor(UserSettings().pseudo());
    const QString name = KeptPredictions::fileNameFor(
        m_prompts.input(parent, title, m_tournament.messages().text(Message::predictionName),
                        pseudo.isEmpty() ? m_tournament.messages().text(Message::myPrediction) : pseudo));
    return !name.isEmpty() && store(parent, name, chart);
}

bool PredictionKeeper::addFile(QWidget *parent, const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    const PredictionFile file = readPredictionFile(path);
    if (file.problem != PredictionProblem::None) {
        refuse(parent, file.problem, shown);
        return false;
    }
    // A chart of 1998 holds the same sections: its teams tell it apart.
    const std::unique_ptr<Tournament> friends = loadedPrediction(file.bytes);
    const std::unique_ptr<Tournament> ours =
        loadedPrediction(readPredictionFile(OwnChart::filePath()).bytes);
    const QString name = KeptPredictions::fileNameFor(predictionName(path));
    if (!friends || !ours || name.isEmpty()) {
        refuse(parent, PredictionProblem::NotAChart, shown);
        return false;
    }
    if (!sameTeams(*friends, *ours)) {
        refuse(parent, PredictionProblem::OtherTournament, shown);
        return false;
    }
    return store(parent, name, file.bytes);
}

bool PredictionKeeper::store(QWidget *parent, const QString &name, const QByteArray &chart)
{
    const MessageTable &messages = m_tournament.messages();
    KeptPredictions::KeepResult result = KeptPredictions::keep(name, chart, false);
    if (result == KeptPredictions::KeepResult::Exists) {
        const QString question = messages.text(Message::replacePrediction);
        if (!m_prompts.question(parent, title, question.arg(name), false))
            return false;
        result = KeptPredictions::keep(name, chart, true);
    }
    if (result != KeptPredictions::KeepResult::Kept) {
        m_prompts.warning(
            parent, title,
            messages.text(Message::keepFailed).arg(QDir::toNativeSeparators(KeptPredictions::filePath(name))));
        return false;
    }
    m_prompts.notice(parent, title, keptNotice(messages, name));
    emit kept(name);
    return true;
}

void PredictionKeeper::refuse(QWidget *parent, PredictionProblem problem, const QString &file)
{
    m_prompts.warning(parent, title, refusal(m_tournament.messages(), problem, file));
}

QString PredictionKeeper::refusal(const MessageTable &messages, PredictionProblem problem, const QString &file)
{
    switch (problem) {
    case PredictionProblem::TooLarge:
        return messages.text(Message::predictionTooLarge).arg(file);
    case PredictionProblem::Unreadable:
        return messages.text(Message::predictionUnreadable).arg(file);
    case PredictionProblem::OtherTournament:
        return messages.text(Message::otherTournamentChart).arg(file);
    case PredictionProblem::NotAChart:
    case PredictionProblem::None:
        break;
    }
    return messages.text(Message::notAPredictionChart).arg(file);
}
