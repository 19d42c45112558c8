#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QHostAddress>
#include <QHttpServer>
#include <QObject>
#include <QSslConfiguration>
#include <QString>

#include "server/AccessLog.h"
#include "server/ConnectionLimits.h"
#include "server/HeadRules.h"
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
// the same without a body) and, on the export address, POST. A route that
// takes bodies says in `m_headRules` what it checks on the head (the
// export address: the wait after wrong passwords and the password in the
// address) and how long a body may be, and the guard refuses before the
// body comes; the body is checked again (password, size, chart reader)
// before anything on disk changes. Every answer is logged as one line once
// it has left, secrets left out.
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
    // A page whose answer comes later, from another thread: the page starts
    // the work, hands `Answer` to it and returns what to answer if the work
    // has not answered `within` (a 503, say). The first answer counts; none
    // goes to a connection that has ended meanwhile. The connection reads
    // nothing more until then.
    using Answer = std::function<void(ServerReply)>;
    using LaterPage = std::function<ServerReply(const QHttpServerRequest &, const Answer &)>;
    void addLaterPage(const char *path, std::chrono::milliseconds within, LaterPage get, LaterPage post = {});
    // Lets bodies come to `path` (or under it, when it ends with '/'), as
    // `route` decides on the head; without it a body there gets 413.
    void addBodyRoute(const QByteArray &path, HeadRoute route) { m_headRules.add(path, std::move(route)); }
    // Never served nor listed, whatever its mode: every file whose name
    // starts with `name`, as a database and the files it keeps beside it.
    void keepPrivate(const QString &name) { m_private.append(name); }
    // Who sent the request, behind the proxy too.
    QHostAddress clientOf(const QHttpServerRequest &request) const;

private:
    struct Pending;
    void deliver(Pending &pending, const ServerReply &reply) const;
    void answer(const QHttpServerRequest &request, QHttpServerResponder &responder, const Page &get,
                const Page &post) const;
    // Writes the reply and logs it once it has left.
    void send(const QHttpServerRequest &request, QHttpServerResponder &responder, const ServerReply &reply) const;
    void send(QHttpServerResponder &responder, const QByteArray &method, const QByteArray &target,
              const QHostAddress &peer, bool withBody, const ServerReply &reply) const;
    ServerReply chart(const QHttpServerRequest &request, const PublishedChart &published) const;
    ServerReply banner() const;
    ServerReply exportPage(const QHttpServerRequest &request) const;
    HeadVerdict uploadHead(const RequestHead &head, const QHostAddress &address);
    ServerReply publish(const QHttpServerRequest &request);
    ServerReply folderFile(const QString &name) const;
    ServerReply sitePage(const QString &name, const QByteArray &fallback) const;
    // The folder's files that a visitor may download: plain files right in
    // the folder, not hidden, that others may read. The password file is
    // never one of them: the server does not start when others can read it.
    QStringList offeredFiles() const;
    bool isPrivate(const QString &name) const;

    QString m_folder;
    // The 2010 chart, then those of the coming tournaments.
    std::vector<PublishedChart> m_charts;
    std::optional<PublisherPassword> m_password;
    PasswordThrottle m_throttle;
    AccessLog m_log;
    ConnectionLimits m_limits;
    QByteArray m_defaultBanner;
    HeadRules m_headRules;
    BodyBudget m_bodyBudget;
    QStringList m_private;
    // Last, so that its connections go before what they use.
    QHttpServer m_http;
};
