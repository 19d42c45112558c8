#pragma once

#include <memory>

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTemporaryDir>
#include <QTextStream>
#include <QUrl>

#include "server/UpdateServer.h"

// What came back from one request.
struct HttpAnswer
{
    int status = 0;
    QByteArray contentType;
    QByteArray body;
};

// The update server on an ephemeral port of 127.0.0.1, serving a folder of
// its own, with a one-line log kept for the test to read.
class LocalUpdateServer final
{
public:
    explicit LocalUpdateServer(const QByteArray &password = "le bon mot de passe")
        : LocalUpdateServer(PublisherPassword(password))
    {}

    LocalUpdateServer(std::optional<PublisherPassword> password, const ConnectionLimits &limits = {},
                      const std::optional<QSslConfiguration> &tls = {})
        : m_server(m_folder.path(), std::move(password), m_logStream, limits)
        , m_scheme(tls ? QStringLiteral("https") : QStringLiteral("http"))
    {
        m_port = m_server.listen(QHostAddress::LocalHost, 0, tls);
    }

    bool isListening() const { return m_port != 0; }
    quint16 port() const { return m_port; }
    QString folder() const { return m_folder.path(); }
    QString base() const { return QStringLiteral("%1://127.0.0.1:%2").arg(m_scheme).arg(m_port); }
    QUrl url(const QString &pathAndQuery) const { return QUrl(base() + pathAndQuery); }
    QString log() const { return m_log; }
    UpdateServer &server() { return m_server; }

    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(m_folder.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    QByteArray read(const QString &name) const
    {
        QFile file(m_folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    HttpAnswer get(const QString &pathAndQuery) { return send(QNetworkRequest(url(pathAndQuery)), "GET", {}); }

    HttpAnswer post(const QString &pathAndQuery, const QByteArray &contentType, const QByteArray &body)
    {
        QNetworkRequest request(url(pathAndQuery));
        request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
        return send(request, "POST", body);
    }

private:
    HttpAnswer send(QNetworkRequest request, const QByteArray &verb, const QByteArray &body)
    {
        request.setTransferTimeout(10000);
        std::unique_ptr<QNetworkReply> reply(m_network.sendCustomRequest(request, verb, body));
        QEventLoop loop;
        QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
        return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                reply->header(QNetworkRequest::ContentTypeHeader).toByteArray(), reply->readAll()};
    }

    QTemporaryDir m_folder;
    QString m_log;
    QTextStream m_logStream{&m_log};
    UpdateServer m_server;
    QString m_scheme;
    quint16 m_port = 0;
    QNetworkAccessManager m_network;
};
