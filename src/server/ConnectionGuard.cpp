#include "server/ConnectionGuard.h"

#include <sys/socket.h>

#include <QSslSocket>
#include <QTimerEvent>

#include "server/ServerPages.h"

namespace {

struct Refusal
{
    int status;
    const char *reason;
    const char *title;
    const char *text;
};

// The answers the guard gives itself; the module never sees these requests.
constexpr Refusal refusals[] = {
    {400, "Bad Request", "Requête illisible", "Le serveur n'a pas compris la requête."},
    {408, "Request Timeout", "Trop lent", "La requête n'est pas arrivée à temps."},
    {411, "Length Required", "Longueur inconnue", "La requête doit annoncer la longueur de son contenu."},
    {413, "Payload Too Large", "Trop gros", "Le contenu dépasse ce que le serveur accepte."},
    {414, "URI Too Long", "Adresse trop longue", "L'adresse demandée est trop longue."},
    {431, "Request Header Fields Too Large", "En-têtes trop longs", "Les en-têtes de la requête sont trop longs."},
    {501, "Not Implemented", "Méthode inconnue", "Le serveur ne connaît pas cette méthode."},
    {503, "Service Unavailable", "Serveur occupé",
     "Trop de connexions sont ouvertes ; réessayez dans un instant."},
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

ConnectionGuard::ConnectionGuard(QTcpSocket *socket, const ConnectionLimits &limits, const AccessLog &log)
    : QObject(socket)
    , m_socket(socket)
    , m_limits(limits)
    , m_log(log)
    , m_head(limits.maxRequestLine, limits.maxHeaderBlock)
{
    // Connected before the module's own reader, so this sees each piece
    // of a request first.
    connect(socket, &QTcpSocket::readyRead, this, &ConnectionGuard::readIncoming);
    connect(socket, &QTcpSocket::bytesWritten, this, &ConnectionGuard::closeWhenAnswered);
    if (auto *tls = qobject_cast<QSslSocket *>(socket))
        connect(tls, &QSslSocket::encryptedBytesWritten, this, &ConnectionGuard::closeWhenAnswered);
    enter(Phase::Head);
}

void ConnectionGuard::readIncoming()
{
    // The module has taken everything that came before: it reads all there
    // is (inside a transaction of its own until a request is whole).
    const QByteArray fresh = m_socket->peek(m_socket->bytesAvailable());
    QByteArrayView rest(fresh);
    while (!rest.isEmpty() && m_phase != Phase::Refused) {
        if (m_phase == Phase::Body) {
            const qint64 taken = qMin<qint64>(m_bodyLeft, rest.size());
            m_bodyLeft -= taken;
            rest = rest.sliced(taken);
            if (m_bodyLeft == 0)
                enter(Phase::Head);
            continue;
        }
        rest = rest.sliced(m_head.feed(rest));
        if (const int status = statusOf(m_head.state()))
            refuse(status);
        else if (m_head.state() == RequestHead::State::Complete && m_head.bodyLength() > m_limits.maxBody)
            refuse(413);
        else if (m_head.state() == RequestHead::State::Complete) {
            m_closeWhenAnswered = m_head.wantsClose();
            m_bodyLeft = m_head.bodyLength();
            enter(m_bodyLeft > 0 ? Phase::Body : Phase::Head);
        }
    }
}

void ConnectionGuard::closeWhenAnswered()
{
    if (m_closeWhenAnswered && m_phase == Phase::Head && unsentBytes() == 0)
        m_socket->disconnectFromHost();
}

void ConnectionGuard::enter(Phase phase)
{
    if (phase == Phase::Head)
        m_head = RequestHead(m_limits.maxRequestLine, m_limits.maxHeaderBlock);
    m_phase = phase;
    m_since.start();
    const std::chrono::milliseconds wait = phase == Phase::Head   ? m_limits.headTimeout
                                           : phase == Phase::Body ? m_limits.bodyTimeout
                                                                  : m_limits.linger;
    m_deadline.start(int(wait.count()), this);
}

void ConnectionGuard::refuse(int status, const QByteArray &extraHeader)
{
    if (m_phase == Phase::Refused)
        return;
    const Refusal &refusal = refusalFor(status);
    const QByteArray page = serverPages::answer(QString::fromUtf8(refusal.title), QString::fromUtf8(refusal.text));
    m_log.write(m_socket->peerAddress(), m_head.method(), m_head.target(), status, page.size());

    // Nothing more of this connection reaches the module, and what it kept
    // of the refused request goes.
    disconnect(m_socket, &QTcpSocket::readyRead, nullptr, nullptr);
    if (m_socket->isTransactionStarted())
        m_socket->commitTransaction();
    m_socket->skip(m_socket->bytesAvailable());
    connect(m_socket, &QTcpSocket::readyRead, this, [this] { m_socket->skip(m_socket->bytesAvailable()); });

    m_socket->write("HTTP/1.1 " + QByteArray::number(status) + ' ' + refusal.reason +
                    "\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " +
                    QByteArray::number(page.size()) + "\r\nConnection: close\r\n" + extraHeader + "\r\n" + page);
    enter(Phase::Refused);
    m_drain.start(drainMilliseconds, this);
}

void ConnectionGuard::close()
{
    m_deadline.stop();
    m_drain.stop();
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
    if (m_phase == Phase::Refused || (m_phase == Phase::Head && !m_head.hasStarted()))
        close();
    else
        refuse(408);
}
