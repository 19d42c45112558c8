#include "cli/ChartUpdate.h"

#include <QEventLoop>
#include <QTextStream>

#include "online/ResultsUpdate.h"

int runChartUpdate(QTextStream &out, QTextStream &err, const QString &unnamed, DownloadPage::Limits limits)
{
    ResultsUpdate update(unnamed, limits);
    if (!update.isFinished()) {
        QEventLoop loop;
        QObject::connect(&update, &ResultsUpdate::finished, &loop, &QEventLoop::quit);
        loop.exec();
    }
    const UpdateOutcome &outcome = update.outcome();
    (outcome.ok() ? out : err) << outcome.describe() << Qt::endl;
    return outcome.ok() ? 0 : 1;
}
