#include "cli/ChartFileLoad.h"

#include <QFileInfo>

#include "storage/ChartFile.h"
#include "storage/ChartForm.h"
#include "storage/IniDocument.h"
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
    return QString();
}

} // namespace

ChartFileCheck checkChartFile(const QString &file)
{
    const QFileInfo info(file);
    if (const QString reason = unreadableReason(info); !reason.isEmpty())
        return {reason, nullptr};
    const FileReading read = readTextFile(info.filePath());
    switch (read.status) {
    case FileReadStatus::Read:
        break;
    case FileReadStatus::Missing:
        return {QStringLiteral("no such file"), nullptr};
    case FileReadStatus::Unreadable:
        return {QStringLiteral("cannot be read"), nullptr};
    case FileReadStatus::TooLarge:
        return {QStringLiteral("not a chart file (larger than any chart)"), nullptr};
    }
    if (!isChartFile(read.bytes))
        return {QStringLiteral("not a chart file"), nullptr};
    const IniDocument chart(read.bytes);
    const ChartForm form = chartFormOf(chart);
    if (!form.problem.isEmpty())
        return {form.problem, nullptr};
    if (const QString problem = chartFormProblem(chart, *form.rules); !problem.isEmpty())
        return {QStringLiteral("not a whole %1 chart: it %2").arg(formatName(form.rules->id), problem), nullptr};
    return {QString(), form.rules};
}

QString loadChartFile(const QString &file, Tournament &t, const ChartHooks &hooks)
{
    const ChartFileCheck check = checkChartFile(file);
    if (!check.problem.isEmpty())
        return check.problem;
    if (check.rules != &t.rules())
        return QStringLiteral("a %1 chart, which this command does not draw").arg(formatName(check.rules->id));
    LoadWholeChartFromFile(t, QFileInfo(file).filePath(), 0, hooks);
    return QString();
}
