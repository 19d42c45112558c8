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
//         --replaceChart-->  parsed once and checked whole, "VYL2010.bak" and the
//                            user's own entries kept, "VYL2010.ini" replaced
//         --LastUpdate-->  the version written remembered for the next time
//   the outcome hands on the parsed chart: the window loads it, not the file.
//
// Any failure leaves the chart file as it was. Starts at construction;
// finished() comes exactly once, also after cancel().
class ResultsUpdate final : public QObject
{
    Q_OBJECT
public:
    // typed: the user's chart as the window shows it, saved or not; empty
    // when no window shows one, and the file is the user's chart. unnamed:
    // the name the user's own entries are kept under without a pseudo.
    ResultsUpdate(const QString &unnamed, DownloadPage::Limits limits = {}, const QByteArray &typed = QByteArray(),
                  QObject *parent = nullptr);

    void cancel() { m_download.cancel(); }
    bool isFinished() const { return m_finished; }
    const UpdateOutcome &outcome() const { return m_outcome; }

    // The user's chart it updates, as OwnChart names it.
    const QString &chartName() const { return m_chartName; }

signals:
    void progress(qint64 received, qint64 total);
    void finished();

private:
    void onDownloaded();

    QString m_chartName;
    QUrl m_address;
    QByteArray m_typed;
    QString m_unnamed;
    DownloadPage m_download;
    UpdateOutcome m_outcome;
    bool m_finished = false;
};
