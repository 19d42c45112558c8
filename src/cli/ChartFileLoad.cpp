#include "cli/ChartFileLoad.h"

#include <QFile>
#include <QFileInfo>

#include "storage/ChartFile.h"
#include "storage/ScopedProgramFolder.h"
#include "tournament/RefreshAll.h"
#include "tournament/Tournament.h"

namespace {

// The chart is addressed by folder and stem, so the file must be the one
// that "<folder>/<stem>.ini" names.
QString unreadableReason(const QFileInfo &info)
{
    if (!info.exists())
        return QStringLiteral("no such file");
    QFile file(info.filePath());
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot be read");
    const QFileInfo addressed(info.absolutePath() + u'/' + info.completeBaseName() + QStringLiteral(".ini"));
    if (addressed.canonicalFilePath() != info.canonicalFilePath())
        return QStringLiteral("not a chart file (its name must end in .ini)");
    return QString();
}

} // namespace

QString loadChartFile(const QString &file, Tournament &t)
{
    const QFileInfo info(file);
    const QString reason = unreadableReason(info);
    if (!reason.isEmpty())
        return reason;
    const ScopedProgramFolder folder(info.absolutePath());
    LoadChart(t, info.completeBaseName(), 0);
    t.setReady(true);
    RefreshAll(t);
    return QString();
}
