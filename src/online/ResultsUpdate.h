#pragma once

#include <QObject>
#include <QUrl>

#include "online/DownloadPage.h"
#include "online/UpdateOutcome.h"

// The results update as the window and "vylora --update" share it, without
// the question and the progress window, which are the window's:
//
//   update server + "/VYL2010.ini", naming the version LastUpdate holds
//     --DownloadPage-->  body in memory, or "not modified" (nothing written)
//   body  --inCodePage-->  Windows-1252, as every chart file is
//         --replaceChart-->  checked whole, "VYL2010.bak" kept, "VYL2010.ini" replaced
//         --LastUpdate-->  the version written remembered for the next time
//
// Any failure leaves the chart file as it was. Starts at construction;
// finished() comes exactly once, also after cancel().
class ResultsUpdate final : public QObject
{
    Q_OBJECT
public:
    explicit ResultsUpdate(DownloadPage::Limits limits = {}, QObject *parent = nullptr);

    void cancel() { m_download.cancel(); }
    bool isFinished() const { return m_finished; }
    const UpdateOutcome &outcome() const { return m_outcome; }

    static const QString chartName;

signals:
    void progress(qint64 received, qint64 total);
    void finished();

private:
    void onDownloaded();

    QUrl m_address;
    DownloadPage m_download;
    UpdateOutcome m_outcome;
    bool m_finished = false;
};
