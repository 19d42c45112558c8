#include "online/DownloadPage.h"

#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

using Failure = DownloadResult::Failure;

bool sameSite(const QUrl &a, const QUrl &b)
{
    return a.scheme() == b.scheme() && a.host().compare(b.host(), Qt::CaseInsensitive) == 0 &&
           a.port(a.scheme() == u"https" ? 443 : 80) == b.port(b.scheme() == u"https" ? 443 : 80);
}

} // namespace

DownloadPage::DownloadPage(const QUrl &url, QObject *parent)
    : DownloadPage(url, Limits{}, parent)
{}

DownloadPage::DownloadPage(const QUrl &url, Limits limits, QObject *parent)
    : QObject(parent)
    , m_url(url)
    , m_limits(limits)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Pragma", "no-cache");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);

    m_stall.setSingleShot(true);
    m_stall.setInterval(m_limits.stallTimeout);
    connect(&m_stall, &QTimer::timeout, this, [this] { stop(Failure::TimedOut); });

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
    readAvailable();
    const QNetworkReply::NetworkError error = m_reply->error();
    m_result.httpStatus = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();

    if (m_stopReason != Failure::None)
        m_result.failure = m_stopReason;
    else if (m_result.httpStatus != 0 && (m_result.httpStatus < 200 || m_result.httpStatus > 299))
        m_result.failure = Failure::HttpStatus;
    else if (error != QNetworkReply::NoError) {
        // A connection closed before the announced length is an error too.
        m_result.failure = m_result.body.isEmpty() ? Failure::Connection : Failure::Truncated;
        m_result.detail = m_reply->errorString();
    } else if (m_result.body.isEmpty())
        m_result.failure = Failure::Empty;

    if (!m_result.ok())
        m_result.body.clear();
    m_finished = true;
    m_reply->deleteLater();
    emit finished();
}
