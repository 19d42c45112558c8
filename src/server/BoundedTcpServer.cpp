#include "server/BoundedTcpServer.h"

#include <memory>

#include <QTcpSocket>

BoundedTcpServer::BoundedTcpServer(qint64 cap, QObject *parent)
    : QTcpServer(parent)
    , m_cap(cap)
{}

void BoundedTcpServer::incomingConnection(qintptr descriptor)
{
    auto *socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    // Connected before the module's own reader, so this sees each piece of
    // a request before the module stores it. An answer starts the count
    // again: a connection may carry one request after another.
    auto unanswered = std::make_shared<qint64>(0);
    connect(socket, &QTcpSocket::readyRead, socket, [this, socket, unanswered] {
        *unanswered += socket->bytesAvailable();
        if (*unanswered > m_cap)
            socket->abort();
    });
    connect(socket, &QTcpSocket::bytesWritten, socket, [unanswered] { *unanswered = 0; });
    addPendingConnection(socket);
}
