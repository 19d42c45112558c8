#include "online/ResultsUpdate.h"

#include "online/ChartReplacement.h"
#include "online/LastUpdate.h"
#include "online/ServerSettings.h"
#include "storage/CodePage.h"
#include "storage/OwnChart.h"
#include "storage/ProgramFolder.h"
#include "storage/TextFileReading.h"

namespace {

QByteArray chartFile(const QString &stem)
{
    return readTextFile(ProgramFolder::filePath(stem + QStringLiteral(".ini"))).bytes;
}

} // namespace

ResultsUpdate::ResultsUpdate(const QString &unnamed, DownloadPage::Limits limits, const QByteArray &typed,
                             QObject *parent)
    : QObject(parent)
    , m_chartName(OwnChart::current())
    , m_address(ServerSettings::address(u'/' + m_chartName + QStringLiteral(".ini")))
    , m_typed(typed)
    , m_unnamed(unnamed)
    , m_download(m_address, limits, LastUpdate::heldVersion(m_address, chartFile(m_chartName)))
{
    connect(&m_download, &DownloadPage::progress, this, &ResultsUpdate::progress);
    connect(&m_download, &DownloadPage::finished, this, &ResultsUpdate::onDownloaded, Qt::QueuedConnection);
}

void ResultsUpdate::onDownloaded()
{
    const DownloadResult &download = m_download.result();
    if (!download.ok()) {
        m_outcome.failure = UpdateOutcome::Failure::Download;
    } else {
        // "Not modified": the file holds the current results, as the last
        // update wrote them; what was typed over them since is kept all
        // the same before the window shows them again.
        const QByteArray chart = download.notModified ? chartFile(m_chartName) : inCodePage(download.body);
        m_outcome = replaceChart(m_chartName, chart, m_typed, m_unnamed);
        m_outcome.upToDate = download.notModified;
        if (m_outcome.ok() && !download.notModified)
            LastUpdate::remember(m_address, download.validators, chart);
    }
    m_outcome.chartName = m_chartName;
    m_outcome.download = download;
    m_outcome.download.body.clear();
    m_finished = true;
    emit finished();
}
