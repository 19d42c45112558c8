#pragma once

#include <chrono>

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include "online/DownloadResult.h"
#include "online/HttpValidators.h"

class QNetworkReply;

// One web download into memory, fresh from the server: no cache is read or
// written, redirects are followed only within the same scheme and host,
// and the transfer stops as soon as the body passes the size limit,
// nothing has arrived for the stall time-out, or the whole has taken
// longer than the deadline (a server sending a byte now and then never
// stalls). The body is handed back to the caller, who checks it before
// anything on disk changes. Given the validators of the version the
// caller holds, the request asks for the file only if it changed since.
//
// Starts at construction and emits finished() exactly once, also after
// cancel(); result() is complete from then on.
class DownloadPage final : public QObject
{
    Q_OBJECT
public:
    struct Limits
    {
        qint64 maxBytes = 1024 * 1024;
        std::chrono::milliseconds stallTimeout = std::chrono::seconds(30);
        std::chrono::milliseconds deadline = std::chrono::seconds(60);
    };

    DownloadPage(const QUrl &url, Limits limits, const HttpValidators &held = {}, QObject *parent = nullptr);

    const QUrl &url() const { return m_url; }
    bool isFinished() const { return m_finished; }
    const DownloadResult &result() const { return m_result; }

    // The user gave up: the transfer stops and the result says Cancelled.
    void cancel();

signals:
    void progress(qint64 received, qint64 total);
    void finished();

private:
    void readAvailable();
    void stop(DownloadResult::Failure why, const QString &detail = QString());
    void onRedirect(const QUrl &target);
    void onFinished();

    QUrl m_url;
    Limits m_limits;
    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
    QTimer m_stall;
    QTimer m_deadline;
    bool m_conditional;
    int m_redirects = 0;
    DownloadResult m_result;
    // Set when this side ended the transfer, so that the reply's own
    // "operation cancelled" does not hide the reason.
    DownloadResult::Failure m_stopReason = DownloadResult::Failure::None;
    bool m_finished = false;
};
