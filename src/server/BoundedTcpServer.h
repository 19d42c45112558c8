#pragma once

#include <optional>

#include <QHash>
#include <QList>
#include <QSslConfiguration>
#include <QTcpServer>

#include "server/ConnectionGuard.h"

// The connections the HTTP module reads, each with its guard, at most
// `maxConnections` of them and `maxPerAddress` from one client. A new
// connection over a cap takes the place of the one that has waited longest
// without sending a whole request, so that idle sockets cannot starve the
// downloads; when every one is busy with a body, the newcomer is told to
// come back. With a TLS configuration every connection is encrypted first.
class BoundedTcpServer final : public QTcpServer
{
    Q_OBJECT
public:
    BoundedTcpServer(const GuardContext &context, std::optional<QSslConfiguration> tls, QObject *parent);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    // Closes the longest waiting connection that can give way, among all
    // of them or those of one client; false when none can.
    bool makeRoom(const QByteArray &client);
    void forget(ConnectionGuard *guard);

    GuardContext m_context;
    std::optional<QSslConfiguration> m_tls;
    QList<ConnectionGuard *> m_open;
    QHash<ConnectionGuard *, QByteArray> m_clientOf;
    QHash<QByteArray, int> m_perClient;
};
