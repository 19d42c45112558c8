#pragma once

#include <QTcpServer>

// Connections for the HTTP module, cut when a request sends more than
// `cap` bytes before it is answered. The module (Qt 6.4) holds a whole
// request in memory before any handler sees its size, so without this one
// endless upload would take all the memory of the machine. Below the cap
// the handlers still answer an oversized upload with a page that says so.
class BoundedTcpServer final : public QTcpServer
{
    Q_OBJECT
public:
    BoundedTcpServer(qint64 cap, QObject *parent);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    qint64 m_cap;
};
