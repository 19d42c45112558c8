#pragma once

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QObject>

#include "server/AccessLog.h"
#include "server/ConnectionLimits.h"
#include "server/RequestHead.h"

class QTcpSocket;

// Watches one connection from in front of the HTTP module: it sees every
// piece of a request before the module does, follows where each request
// ends, and answers itself, then closes, when a head is too long, a
// request too slow or its framing one the module would misread. The
// module never sees the bytes of a refused request. A refused client may
// go on sending for a moment while the answer leaves (`linger`), so that
// it reads the refusal rather than a reset.
class ConnectionGuard final : public QObject
{
    Q_OBJECT
public:
    ConnectionGuard(QTcpSocket *socket, const ConnectionLimits &limits, const AccessLog &log);

    // Whether closing it now loses nothing: it is between requests, in the
    // middle of a head, or already refused.
    bool canGiveWay() const { return m_phase != Phase::Body; }
    // Since when it has been in its present phase.
    const QElapsedTimer &since() const { return m_since; }

    void close();
    void refuse(int status, const QByteArray &extraHeader = {});

private:
    enum class Phase { Head, Body, Refused };

    void readIncoming();
    // The module keeps every connection open; one whose client asked for
    // the end is ended once its answer has left.
    void closeWhenAnswered();
    void enter(Phase phase);
    void timerEvent(QTimerEvent *event) override;
    qint64 unsentBytes() const;

    QTcpSocket *m_socket;
    const ConnectionLimits &m_limits;
    const AccessLog &m_log;
    RequestHead m_head;
    Phase m_phase = Phase::Head;
    qint64 m_bodyLeft = 0;
    bool m_shutDown = false;
    bool m_closeWhenAnswered = false;
    QElapsedTimer m_since;
    QBasicTimer m_deadline;
    QBasicTimer m_drain;
};
