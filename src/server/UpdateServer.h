#pragma once

#include <functional>
#include <optional>

#include <QHostAddress>
#include <QHttpServer>
#include <QObject>
#include <QSslConfiguration>
#include <QString>

#include "server/AccessLog.h"
#include "server/ConnectionLimits.h"
#include "server/PasswordThrottle.h"
#include "server/PublishedChart.h"
#include "server/PublisherPassword.h"
#include "server/ServerReply.h"

class QTextStream;

// The server a publisher runs for the program: it serves one folder (the
// published chart, the banner, the download, contact and home pages) and
// takes new charts on the export address. The request flows: each
// connection's guard (`BoundedTcpServer`) refuses what is too long, too
// slow or too many before the HTTP module stores it; the module parses
// the rest and picks the page by its path; the page answers GET (and HEAD,
// the same without a body) and, on the export address, POST; uploads are
// checked (wait after wrong passwords, password, size, chart reader)
// before anything on disk changes; every answer is logged as one line,
// the password left out.
class UpdateServer final : public QObject
{
    Q_OBJECT
public:
    // Without a password nobody can publish; everything else is served.
    UpdateServer(const QString &folder, std::optional<PublisherPassword> password, QTextStream &log,
                 const ConnectionLimits &limits = {}, QObject *parent = nullptr);

    // The port listened on (the one chosen when `port` is 0), or 0 when
    // the address cannot be bound. With `tls`, every connection is HTTPS.
    quint16 listen(const QHostAddress &address, quint16 port, const std::optional<QSslConfiguration> &tls = {});

    using Page = std::function<ServerReply(const QHttpServerRequest &)>;
    // A page at `path` exactly, answered and logged as the server's own;
    // the pool adds its pages so.
    void addPage(const char *path, Page get, Page post = {});

private:
    void answer(const QHttpServerRequest &request, QHttpServerResponder &responder, const Page &get,
                const Page &post) const;
    ServerReply chart() const;
    ServerReply banner() const;
    ServerReply exportPage(const QHttpServerRequest &request) const;
    ServerReply publish(const QHttpServerRequest &request);
    ServerReply folderFile(const QString &name) const;
    // The folder's files that a visitor may download: plain files right in
    // the folder, not hidden, that others may read. The password file is
    // never one of them: the server does not start when others can read it.
    QStringList offeredFiles() const;
    void logLine(const QHttpServerRequest &request, int status, qint64 bytes) const;

    QHttpServer m_http;
    QString m_folder;
    PublishedChart m_chart;
    std::optional<PublisherPassword> m_password;
    PasswordThrottle m_throttle;
    AccessLog m_log;
    ConnectionLimits m_limits;
    QByteArray m_defaultBanner;
};
