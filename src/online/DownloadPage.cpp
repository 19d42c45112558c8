#include "online/DownloadPage.h"

#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

using Failure = DownloadResult::Failure;

// Past this many, redirects go round in a loop. Counted here too: in a
// loop the network layer may end the reply without an error and with a
// status that is no answer (seen: 100), having told only some redirects.
constexpr int maxRedirects = 5;

bool isFinalAnswer(int status)
{
    return status >= 200 && (status < 300 || status >= 400);
}

// The network layer may take a connection closed before the announced
// length for the end of the body (seen in most runs against a server that
// closes early); only a whole body is one. A compressed body's length is
// that of the compressed bytes, and a cut one does not decompress.
bool shortOfAnnouncedLength(const QNetworkReply &reply, qsizetype received)
{
    const QByteArray encoding = reply.rawHeader("Content-Encoding").trimmed().toLower();
    bool announced = false;
    const qint64 length = reply.rawHeader("Content-Length").trimmed().toLongLong(&announced);
    return (encoding.isEmpty() || encoding == "identity") && announced && received < length;
}

bool sameSite(const QUrl &a, const QUrl &b)
{
    return a.scheme() == b.scheme() && a.host().compare(b.host(), Qt::CaseInsensitive) == 0 &&
           a.port(a.scheme() == u"https" ? 443 : 80) == b.port(b.scheme() == u"https" ? 443 : 80);
}

} // namespace

DownloadPage::DownloadPage(const QUrl &url, Limits limits, const HttpValidators &held, QObject *parent)
    : QObject(parent)
    , m_url(url)
    , m_limits(limits)
    , m_conditional(!held.isEmpty())
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Pragma", "no-cache");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(maxRedirects + 1);
    if (!held.etag.isEmpty())
        request.setRawHeader("If-None-Match", held.etag);
    if (!held.lastModified.isEmpty())
        request.setRawHeader("If-Modified-Since", held.lastModified);

    m_stall.setSingleShot(true);
    m_stall.setInterval(m_limits.stallTimeout);
    connect(&m_stall, &QTimer::timeout, this, [this] { stop(Failure::TimedOut); });
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(m_limits.deadline);
    connect(&m_deadline, &QTimer::timeout, this, [this] { stop(Failure::OverDeadline); });

    m_reply = m_network.get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &DownloadPage::readAvailable);
    connect(m_reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        m_stall.start();
        emit progress(received, total);
    });
    connect(m_reply, &QNetworkReply::metaDataChanged, &m_stall, qOverload<>(&QTimer::start));
    connect(m_reply, &QNetworkReply::redirected, this, &DownloadPage::onRedirect);
    connect(m_reply, &QNetworkReply::finished, this, &DownloadPage::onFinished);
    m_stall.start();
    m_deadline.start();
}

void DownloadPage::cancel()
{
    stop(Failure::Cancelled);
}

void DownloadPage::readAvailable()
{
    if (!m_reply || m_stopReason != Failure::None)
        return;
    m_result.body += m_reply->readAll();
    if (m_result.body.size() > m_limits.maxBytes)
        stop(Failure::TooLarge);
}

void DownloadPage::stop(Failure why, const QString &detail)
{
    if (m_finished || m_stopReason != Failure::None)
        return;
    m_stopReason = why;
    m_result.detail = detail;
    if (m_reply)
        m_reply->abort(); // finishes the reply, which finishes this
}

void DownloadPage::onRedirect(const QUrl &target)
{
    if (++m_redirects > maxRedirects) {
        stop(Failure::RedirectLoop);
        return;
    }
    if (!sameSite(m_url, target)) {
        stop(Failure::Redirected, target.toDisplayString());
        return;
    }
    emit m_reply->redirectAllowed();
}

void DownloadPage::onFinished()
{
    if (m_finished)
        return;
    m_stall.stop();
    m_deadline.stop();
    readAvailable();
    const QNetworkReply::NetworkError error = m_reply->error();
    m_result.httpStatus = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    m_result.validators = {m_reply->rawHeader("ETag"), m_reply->rawHeader("Last-Modified")};
    // Only a request that named a version can be told it is current.
    m_result.notModified = m_conditional && m_result.httpStatus == 304 && m_stopReason == Failure::None;

    if (m_stopReason != Failure::None)
        m_result.failure = m_stopReason;
    else if (m_result.notModified)
        m_result.failure = Failure::None;
    else if (m_redirects > 0 && !isFinalAnswer(m_result.httpStatus))
        m_result.failure = Failure::RedirectLoop;
    else if (m_result.httpStatus != 0 && (m_result.httpStatus < 200 || m_result.httpStatus > 299))
        m_result.failure = Failure::HttpStatus;
    else if (error == QNetworkReply::UnknownContentError && m_reply->hasRawHeader("Content-Encoding"))
        m_result.failure = Failure::Undecodable;
    else if (error != QNetworkReply::NoError) {
        // A connection closed before the announced length is an error too.
        m_result.failure = m_result.body.isEmpty() ? Failure::Connection : Failure::Truncated;
        m_result.detail = m_reply->errorString();
    } else if (m_result.body.isEmpty())
        m_result.failure = Failure::Empty;
    else if (shortOfAnnouncedLength(*m_reply, m_result.body.size()))
        m_result.failure = Failure::Truncated;

    if (!m_result.ok())
        m_result.body.clear();
    m_finished = true;
    m_reply->deleteLater();
    emit finished();
}
