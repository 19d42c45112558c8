#include "cli/ChartFileLoad.h"

#include <QFileInfo>

#include "storage/ChartFile.h"
#include "storage/TextFileReading.h"
#include "tournament/Tournament.h"

namespace {

// A chart file is a ".ini": its stem is the chart's name, which the rules
// read (2002 seeds its knock-out its own way).
QString unreadableReason(const QFileInfo &info)
{
    const QFileInfo addressed(info.absolutePath() + u'/' + info.completeBaseName() + QStringLiteral(".ini"));
    if (info.isFile() && addressed.canonicalFilePath() != info.canonicalFilePath())
        return QStringLiteral("not a chart file (its name must end in .ini)");
    const FileReading file = readTextFile(info.filePath());
    switch (file.status) {
    case FileReadStatus::Read:
        return isChartFile(file.bytes) ? QString() : QStringLiteral("not a chart file");
    case FileReadStatus::Missing:
        return QStringLiteral("no such file");
    case FileReadStatus::Unreadable:
        return QStringLiteral("cannot be read");
    case FileReadStatus::TooLarge:
        return QStringLiteral("not a chart file (larger than any chart)");
    }
    return QString();
}

} // namespace

QString loadChartFile(const QString &file, Tournament &t, const ChartHooks &hooks)
{
    const QFileInfo info(file);
    const QString reason = unreadableReason(info);
    if (!reason.isEmpty())
        return reason;
    LoadWholeChartFromFile(t, info.filePath(), 0, hooks);
    return QString();
}
