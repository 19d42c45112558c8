#include "online/ResultsUpdate.h"

#include "online/ChartReplacement.h"
#include "online/ServerSettings.h"

const QString ResultsUpdate::chartName = QStringLiteral("VYL2010");

ResultsUpdate::ResultsUpdate(DownloadPage::Limits limits, QObject *parent)
    : QObject(parent)
    , m_download(ServerSettings::address(QStringLiteral("/VYL2010.ini")), limits)
{
    connect(&m_download, &DownloadPage::progress, this, &ResultsUpdate::progress);
    connect(&m_download, &DownloadPage::finished, this, &ResultsUpdate::onDownloaded, Qt::QueuedConnection);
}

void ResultsUpdate::onDownloaded()
{
    const DownloadResult &download = m_download.result();
    if (download.ok()) {
        m_outcome = replaceChart(chartName, download.body);
    } else {
        m_outcome.failure = UpdateOutcome::Failure::Download;
    }
    m_outcome.download = download;
    m_outcome.download.body.clear();
    m_finished = true;
    emit finished();
}
