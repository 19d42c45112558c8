#include "server/ConnectionGuard.h"

#include <linux/sockios.h>
#include <sys/ioctl.h>
#include <sys/socket.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QSslSocket>
#include <QTimerEvent>
#include <QUrlQuery>

#include "server/ClientKey.h"
#include "server/ServerPages.h"

namespace {

struct Refusal
{
    int status;
    const char *reason;
    const char *title;
    const char *text;
    const char *code; // the refusal's code in a JSON answer
};

// The answers the guard gives itself; the module never sees these requests.
constexpr Refusal refusals[] = {
    {400, "Bad Request", "Requête illisible", "Le serveur n'a pas compris la requête.", "badRequest"},
    {403, "Forbidden", "Refusé", "Cette requête n'est pas permise.", "forbidden"},
    {408, "Request Timeout", "Trop lent", "La requête n'est pas arrivée à temps.", "tooSlow"},
    {411, "Length Required", "Longueur inconnue", "La requête doit annoncer la longueur de son contenu.",
     "lengthRequired"},
    {413, "Payload Too Large", "Trop gros", "Le contenu dépasse ce que le serveur accepte.", "tooLarge"},
    {414, "URI Too Long", "Adresse trop longue", "L'adresse demandée est trop longue.", "addressTooLong"},
    {429, "Too Many Requests", "Trop d'essais", "Réessayez plus tard.", "tooManyTries"},
    {431, "Request Header Fields Too Large", "En-têtes trop longs", "Les en-têtes de la requête sont trop longs.",
     "headersTooLarge"},
    {501, "Not Implemented", "Méthode inconnue", "Le serveur ne connaît pas cette méthode.", "unknownMethod"},
    {503, "Service Unavailable", "Serveur occupé", "Le serveur est occupé ; réessayez dans un instant.", "busy"},
};

const Refusal &refusalFor(int status)
{
    for (const Refusal &refusal : refusals)
        if (refusal.status == status)
            return refusal;
    return refusals[0];
}

int statusOf(RequestHead::State state)
{
    switch (state) {
    case RequestHead::State::Malformed:
        return 400;
    case RequestHead::State::UnknownMethod:
        return 501;
    case RequestHead::State::LengthRequired:
        return 411;
    case RequestHead::State::UriTooLong:
        return 414;
    case RequestHead::State::HeadersTooLarge:
        return 431;
    case RequestHead::State::Reading:
    case RequestHead::State::Complete:
        break;
    }
    return 0;
}

constexpr int drainMilliseconds = 20;

} // namespace

ConnectionGuard::ConnectionGuard(QTcpSocket *socket, const GuardContext &context)
    : QObject(socket)
    , m_socket(socket)
    , m_context(context)
    , m_peer(socket->peerAddress())
    , m_head(context.limits.maxRequestLine, context.limits.maxHeaderBlock)
{
    // Connected before the module's own reader, so this sees each piece
    // of a request first.
    connect(socket, &QTcpSocket::readyRead, this, &ConnectionGuard::readIncoming);
    connect(socket, &QTcpSocket::bytesWritten, this, &ConnectionGuard::written);
    if (auto *tls = qobject_cast<QSslSocket *>(socket))
        connect(tls, &QSslSocket::encryptedBytesWritten, this, [this] { written(0); });
    enter(Phase::Head);
}

ConnectionGuard::~ConnectionGuard()
{
    releaseBody();
    if (m_line)
        writeLine(qBound<qint64>(0, m_written - (m_line->endsAt - m_line->bodyBytes), m_line->bodyBytes));
}

ConnectionGuard *ConnectionGuard::of(QTcpSocket *socket)
{
    return socket ? socket->findChild<ConnectionGuard *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void ConnectionGuard::readIncoming()
{
    if (m_passing || m_phase == Phase::Refused)
        return;
    // The module has parsed everything that came before; what its
    // transaction keeps of it would only double the memory of an upload.
    if (m_socket->isTransactionStarted())
        m_socket->commitTransaction();
    const QByteArray fresh = m_socket->peek(m_socket->bytesAvailable());
    const qsizetype passed = m_awaitingAnswer || !m_held.isEmpty() ? 0 : follow(fresh);
    if (m_phase != Phase::Refused && passed < fresh.size())
        holdBack(fresh.size() - passed);
}

qsizetype ConnectionGuard::follow(QByteArrayView bytes)
{
    qsizetype taken = 0;
    while (taken < bytes.size() && m_phase != Phase::Refused && !m_awaitingAnswer) {
        if (m_phase == Phase::Body) {
            const qint64 piece = qMin<qint64>(m_bodyLeft, bytes.size() - taken);
            m_bodyLeft -= piece;
            taken += piece;
            if (m_bodyLeft == 0)
                requestComplete();
            continue;
        }
        taken += m_head.feed(bytes.sliced(taken));
        if (const int status = statusOf(m_head.state()))
            refuse(status);
        else if (m_head.state() == RequestHead::State::Complete)
            headComplete();
    }
    return taken;
}

void ConnectionGuard::headComplete()
{
    m_closeWhenAnswered = m_head.wantsClose();
    const qint64 length = m_head.bodyLength();
    if (length == 0) {
        requestComplete();
        return;
    }
    const HeadRoute *route = m_context.rules.find(m_head.path());
    if (!route || length > route->maxBody) {
        refuse(413);
        return;
    }
    const HeadVerdict verdict =
        route->check ? route->check(m_head, clientAddress(m_peer, m_context.limits.proxy, m_head.realIp()))
                     : HeadVerdict{};
    if (verdict.status != 0) {
        refuseWith(verdict.status, verdict.title, verdict.text, verdict.extraHeaders, verdict.reason);
        return;
    }
    if (!m_context.budget.take(length, verdict.provenSender)) {
        refuse(503, "Retry-After: 5\r\n");
        return;
    }
    m_bodyTaken = length;
    m_bodyProven = verdict.provenSender;
    m_bodyLeft = length;
    enter(Phase::Body);
}

void ConnectionGuard::requestComplete()
{
    // The module takes the request in this same turn; its answer may come
    // later, and until it has left the next request is held back.
    releaseBody();
    m_awaitingAnswer = true;
    enter(Phase::Head);
}

void ConnectionGuard::holdBack(qsizetype count)
{
    const QByteArray all = m_socket->read(m_socket->bytesAvailable());
    const qsizetype passed = all.size() - count;
    m_held += all.sliced(passed);
    for (qsizetype i = passed; i-- > 0;)
        m_socket->ungetChar(all[i]);
    if (m_held.size() > m_context.limits.maxAhead)
        close();
}

void ConnectionGuard::passHeld()
{
    if (m_held.isEmpty() || m_awaitingAnswer || m_phase == Phase::Refused)
        return;
    if (m_socket->isTransactionStarted())
        m_socket->commitTransaction();
    // What arrived meanwhile comes after what was held.
    const QByteArray bytes = std::exchange(m_held, {}) + m_socket->read(m_socket->bytesAvailable());
    const qsizetype passed = follow(bytes);
    if (m_phase == Phase::Refused)
        return;
    m_held = bytes.sliced(passed);
    for (qsizetype i = passed; i-- > 0;)
        m_socket->ungetChar(bytes[i]);
    m_passing = true;
    emit m_socket->readyRead();
    m_passing = false;
}

void ConnectionGuard::written(qint64 bytes)
{
    m_written += bytes;
    if (m_phase == Phase::Refused)
        return;
    // An answer that moves is not cut: the time-out counts from its last
    // progress.
    if (m_phase == Phase::Head && !m_head.hasStarted())
        enter(Phase::Head);
    if (unsentBytes() > 0)
        return;
    if (m_line) {
        writeLine(m_line->bodyBytes);
        m_line.reset();
    }
    if (!m_awaitingAnswer)
        return;
    m_awaitingAnswer = false;
    if (m_closeWhenAnswered)
        m_socket->disconnectFromHost();
    else
        QMetaObject::invokeMethod(this, &ConnectionGuard::passHeld, Qt::QueuedConnection);
}

void ConnectionGuard::logWhenSent(QByteArrayView method, QByteArrayView target, int status, qint64 bodyBytes)
{
    m_line = PendingLine{method.toByteArray(), target.toByteArray(), status, bodyBytes,
                         m_written + m_socket->bytesToWrite()};
}

void ConnectionGuard::writeLine(qint64 bodyBytesSent)
{
    m_context.log.write(m_peer, m_line->method, m_line->target, m_line->status, bodyBytesSent);
}

void ConnectionGuard::enter(Phase phase)
{
    if (phase == Phase::Head)
        m_head = RequestHead(m_context.limits.maxRequestLine, m_context.limits.maxHeaderBlock);
    m_phase = phase;
    m_since.start();
    const std::chrono::milliseconds wait = phase == Phase::Head   ? m_context.limits.headTimeout
                                           : phase == Phase::Body ? m_context.limits.bodyTimeout
                                                                  : m_context.limits.linger;
    m_deadline.start(int(wait.count()), this);
}

void ConnectionGuard::refuse(int status, const QByteArray &extraHeaders)
{
    const Refusal &refusal = refusalFor(status);
    refuseWith(status, QString::fromUtf8(refusal.title), QString::fromUtf8(refusal.text), extraHeaders,
               QString::fromLatin1(refusal.code));
}

void ConnectionGuard::refuseWith(int status, const QString &title, const QString &text,
                                 const QByteArray &extraHeaders, const QString &reason)
{
    if (m_phase == Phase::Refused)
        return;
    // A client that reads JSON (the program's pool) gets the reason in its
    // own form, as from the pages behind this guard.
    const bool json =
        QUrlQuery(QString::fromUtf8(m_head.query())).queryItemValue(QStringLiteral("format")) == u"json";
    const QByteArray page =
        json ? QJsonDocument(QJsonObject{{QStringLiteral("error"), text}, {QStringLiteral("reason"), reason}})
                   .toJson(QJsonDocument::Compact)
             : serverPages::answer(title, text);
    m_context.log.write(m_peer, m_head.method(), m_head.target(), status, page.size());
    releaseBody();

    // Nothing more of this connection reaches the module, and what it kept
    // of the refused request goes.
    disconnect(m_socket, &QTcpSocket::readyRead, nullptr, nullptr);
    if (m_socket->isTransactionStarted())
        m_socket->commitTransaction();
    m_socket->skip(m_socket->bytesAvailable());
    m_held.clear();
    connect(m_socket, &QTcpSocket::readyRead, this, [this] { m_socket->skip(m_socket->bytesAvailable()); });

    m_socket->write("HTTP/1.1 " + QByteArray::number(status) + ' ' + refusalFor(status).reason +
                    "\r\nContent-Type: " + (json ? "application/json" : "text/html; charset=utf-8") + "\r\nContent-Length: " +
                    QByteArray::number(page.size()) + "\r\nConnection: close\r\n" + extraHeaders + "\r\n" + page);
    enter(Phase::Refused);
    m_drain.start(drainMilliseconds, this);
}

void ConnectionGuard::releaseBody()
{
    if (m_bodyTaken > 0)
        m_context.budget.give(m_bodyTaken, m_bodyProven);
    m_bodyTaken = 0;
}

void ConnectionGuard::close()
{
    m_deadline.stop();
    m_drain.stop();
    // What the kernel still holds never reached the client.
    int queued = 0;
    if (m_line && ::ioctl(int(m_socket->socketDescriptor()), SIOCOUTQ, &queued) == 0)
        m_written -= queued;
    m_socket->abort();
    m_socket->deleteLater();
}

qint64 ConnectionGuard::unsentBytes() const
{
    const auto *tls = qobject_cast<const QSslSocket *>(m_socket);
    return m_socket->bytesToWrite() + (tls ? tls->encryptedBytesToWrite() : 0);
}

void ConnectionGuard::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_drain.timerId()) {
        if (m_socket->state() != QAbstractSocket::ConnectedState) {
            close();
        } else if (!m_shutDown && unsentBytes() == 0) {
            // The answer has left: say so, and read on until the client
            // closes or the linger ends.
            ::shutdown(int(m_socket->socketDescriptor()), SHUT_WR);
            m_shutDown = true;
        }
        return;
    }
    if (event->timerId() != m_deadline.timerId())
        return;
    // Idle between requests, an answer the client stopped reading, or one
    // the server has not written within the head's time-out (a page that
    // answers later answers sooner: the pool gives up after 8 s).
    if (m_phase == Phase::Refused || (m_phase == Phase::Head && !m_head.hasStarted()))
        close();
    else
        refuse(408);
}
