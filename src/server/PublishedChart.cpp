#include "server/PublishedChart.h"

#include <utility>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "storage/AtomicWrite.h"
#include "storage/ChartFile.h"
#include "storage/IniDocument.h"
#include "storage/TextFileReading.h"

PublishedChart::PublishedChart(QString folder, QString chartName)
    : m_folder(std::move(folder))
    , m_chartName(std::move(chartName))
{}

QString PublishedChart::filePath() const
{
    return QDir(m_folder).filePath(fileName());
}

bool PublishedChart::publish(const QByteArray &chart, const QDateTime &now, QString &error) const
{
    QFile current(filePath());
    if (current.open(QIODevice::ReadOnly)) {
        if (current.size() == chart.size() && current.readAll() == chart)
            return true;
        current.close();
        if (!archivePublished(now, error))
            return false;
    }
    if (!writeFileAtomically(filePath(), chart)) {
        error = QStringLiteral("le tableau publié n'a pas pu être écrit");
        return false;
    }
    pruneArchives();
    return true;
}

bool PublishedChart::archivePublished(const QDateTime &now, QString &error) const
{
    QDir folder(m_folder);
    if (!folder.mkpath(archiveFolderName())) {
        error = QStringLiteral("le dossier des archives ne peut pas être créé");
        return false;
    }
    const QString stamp = now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString stem = folder.filePath(archiveFolderName() + u'/' + chartName() + u'-' + stamp);
    QString archive = stem + QStringLiteral(".ini");
    for (int n = 2; QFile::exists(archive); ++n)
        archive = stem + QStringLiteral("-%1.ini").arg(n);
    if (!QFile::copy(filePath(), archive)) {
        error = QStringLiteral("le tableau publié n'a pas pu être archivé");
        return false;
    }
    return true;
}

void PublishedChart::pruneArchives() const
{
    QDir archives(QDir(m_folder).filePath(archiveFolderName()));
    // By time of writing: two publications in one second share a stamp.
    const QFileInfoList kept =
        archives.entryInfoList({chartName() + QStringLiteral("-*.ini")}, QDir::Files, QDir::Time | QDir::Reversed);
    for (qsizetype i = 0; i + keptArchives < kept.size(); ++i)
        QFile::remove(kept.at(i).filePath());
}

PublishedChart::Summary PublishedChart::summary() const
{
    const IniDocument chart(readTextFile(filePath()).bytes);
    return {playedScores(chart).matches,
            chart.value(QStringLiteral("CV"), QStringLiteral("0")).value_or(QStringLiteral("-"))};
}
