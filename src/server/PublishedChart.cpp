#include "server/PublishedChart.h"

#include <utility>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "storage/AtomicWrite.h"
#include "storage/ChartFile.h"
#include "storage/IniDocument.h"
#include "tournament/Tournament.h"

namespace {

const QString notPlayed = QStringLiteral("-");

int playedMatches(const CellFamily &goals, int sides)
{
    int played = 0;
    for (int side = 0; side + 1 < sides; side += 2)
        played += goals.text(side) != notPlayed && goals.text(side + 1) != notPlayed;
    return played;
}

} // namespace

PublishedChart::PublishedChart(QString folder)
    : m_folder(std::move(folder))
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
    Summary summary;
    Tournament t;
    ChartHooks hooks;
    hooks.versionCheck = [&summary](const QString &version) {
        summary.version = version;
        return true;
    };
    LoadChartFromFile(t, filePath(), 0, hooks);
    for (GroupId g : allGroups)
        summary.scores += playedMatches(*t.group(g).score, 12);
    for (Round r : allRounds)
        summary.scores += playedMatches(*t.round(r).goals, t.round(r).sides);
    return summary;
}
