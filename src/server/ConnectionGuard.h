#pragma once

#include <optional>

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>

#include "server/AccessLog.h"
#include "server/ConnectionLimits.h"
#include "server/HeadRules.h"
#include "server/RequestHead.h"

class QTcpSocket;

// What every connection's guard shares.
struct GuardContext
{
    const ConnectionLimits &limits;
    const AccessLog &log;
    const HeadRules &rules;
    BodyBudget &budget;
};

// Watches one connection from in front of the HTTP module, on the event
// loop: it sees every piece of a request before the module does and
// decides where each request ends, so that the module is handed one whole
// request at a time and the next one only once the answer has left. The
// answer may come in the same turn (the site's pages) or turns later (the
// pool's, computed on its worker thread and written from the event loop);
// either way the next request waits for it. It answers itself, then
// closes, when a head is too long, a request too slow, its framing one the
// module could read otherwise, or its route refuses it from its head; the
// module never sees the bytes of a refused request. A refused client may
// go on sending for a moment while the answer leaves (`linger`), so that
// it reads the refusal rather than a reset.
class ConnectionGuard final : public QObject
{
    Q_OBJECT
public:
    ConnectionGuard(QTcpSocket *socket, const GuardContext &context);
    ~ConnectionGuard() override;

    static ConnectionGuard *of(QTcpSocket *socket);

    // Whether closing it now loses nothing: it is between requests with
    // nothing left to send, in the middle of a head, or already refused. A
    // request whose answer is still being worked out does not give way.
    bool canGiveWay() const { return m_phase != Phase::Body && (!m_awaitingAnswer || m_phase == Phase::Refused); }
    // Since when it has been in its present phase.
    const QElapsedTimer &since() const { return m_since; }

    void close();
    void refuse(int status, const QByteArray &extraHeaders = {});

    // The answer the module has just written: logged once it has left, or
    // with the body bytes that did leave when the connection ends first.
    void logWhenSent(QByteArrayView method, QByteArrayView target, int status, qint64 bodyBytes);

private:
    enum class Phase { Head, Body, Refused };
    struct PendingLine
    {
        QByteArray method;
        QByteArray target;
        int status = 0;
        qint64 bodyBytes = 0;
        qint64 endsAt = 0; // in bytes written on the connection
    };

    void readIncoming();
    // Follows `bytes` up to the end of the first request that ends in them
    // and returns how many belong to it (all of them when none ends).
    qsizetype follow(QByteArrayView bytes);
    // Decides on a whole head: its route, its length, the budget.
    void headComplete();
    void requestComplete();
    // Keeps the last `count` bytes the socket holds away from the module.
    void holdBack(qsizetype count);
    void passHeld();
    void written(qint64 bytes);
    void writeLine(qint64 bodyBytesSent);
    void refuseWith(int status, const QString &title, const QString &text, const QByteArray &extraHeaders,
                    const QString &reason);
    void releaseBody();
    void enter(Phase phase);
    void timerEvent(QTimerEvent *event) override;
    qint64 unsentBytes() const;

    QTcpSocket *m_socket;
    GuardContext m_context;
    QHostAddress m_peer;
    RequestHead m_head;
    Phase m_phase = Phase::Head;
    qint64 m_bodyLeft = 0;
    qint64 m_bodyTaken = 0;
    bool m_bodyProven = true;
    // A whole request went to the module and its answer has not left yet
    // (nor, for a page answered later, been written).
    bool m_awaitingAnswer = false;
    bool m_closeWhenAnswered = false;
    bool m_passing = false;
    bool m_shutDown = false;
    QByteArray m_held;
    qint64 m_written = 0;
    std::optional<PendingLine> m_line;
    QElapsedTimer m_since;
    QBasicTimer m_deadline;
    QBasicTimer m_drain;
};
