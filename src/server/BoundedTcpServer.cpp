#include "server/BoundedTcpServer.h"

#include <QSslSocket>

#include "server/ClientKey.h"

namespace {

constexpr int sendBuffer = 256 * 1024;

} // namespace

BoundedTcpServer::BoundedTcpServer(const GuardContext &context, std::optional<QSslConfiguration> tls,
                                   QObject *parent)
    : QTcpServer(parent)
    , m_context(context)
    , m_tls(std::move(tls))
{}

void BoundedTcpServer::incomingConnection(qintptr descriptor)
{
    QTcpSocket *socket = m_tls ? new QSslSocket(this) : new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    // The kernel would otherwise grow each connection's send queue to
    // megabytes, in memory the server does not see and for clients that may
    // never read it.
    socket->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, sendBuffer);
    const QByteArray client = clientKey(socket->peerAddress());
    const bool overAll = m_open.size() >= m_context.limits.maxConnections;
    const bool overClient = m_perClient.value(client) >= m_context.limits.maxPerAddress;
    const bool room = (!overClient || makeRoom(client)) && (!overAll || makeRoom({}));

    auto *guard = new ConnectionGuard(socket, m_context);
    m_open.append(guard);
    m_clientOf.insert(guard, client);
    ++m_perClient[client];
    connect(guard, &QObject::destroyed, this, [this, guard] { forget(guard); });
    if (m_tls) {
        auto *tls = static_cast<QSslSocket *>(socket);
        tls->setSslConfiguration(*m_tls);
        tls->startServerEncryption();
    }
    if (!room)
        guard->refuse(503, "Retry-After: 5\r\n");
    addPendingConnection(socket);
}

bool BoundedTcpServer::makeRoom(const QByteArray &client)
{
    ConnectionGuard *longest = nullptr;
    for (ConnectionGuard *guard : std::as_const(m_open)) {
        if (!guard->canGiveWay() || (!client.isEmpty() && m_clientOf.value(guard) != client))
            continue;
        if (!longest || guard->since().elapsed() > longest->since().elapsed())
            longest = guard;
    }
    if (!longest)
        return false;
    forget(longest);
    longest->close();
    return true;
}

void BoundedTcpServer::forget(ConnectionGuard *guard)
{
    const auto client = m_clientOf.constFind(guard);
    if (client == m_clientOf.cend())
        return;
    if (--m_perClient[*client] <= 0)
        m_perClient.remove(*client);
    m_clientOf.erase(client);
    m_open.removeOne(guard);
}
