#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Reads the head of one request as its bytes arrive, before the HTTP module
// stores any of them, and says as early as it can whether the request line
// or the header block is too long, and how long the body is. Memory stays
// within the limits whatever a client sends.
class RequestHead final
{
public:
    enum class State {
        Reading,         // no empty line yet
        Complete,        // `bodyLength()` bytes of body follow
        Malformed,       // 400
        UnknownMethod,   // 501
        LengthRequired,  // 411: a body framed otherwise than by its length
        UriTooLong,      // 414
        HeadersTooLarge, // 431
    };

    RequestHead(qsizetype maxRequestLine, qsizetype maxHeaderBlock);

    // Takes bytes up to the end of the head (or up to the first fault) and
    // returns how many it took; the rest belongs to the body.
    qsizetype feed(QByteArrayView bytes);

    State state() const { return m_state; }
    bool hasStarted() const { return m_started; }
    qint64 bodyLength() const { return m_bodyLength; }
    // The connection ends with the answer: asked for, or HTTP/1.0 without
    // keep-alive.
    bool wantsClose() const { return m_closeAsked || (m_http10 && !m_keepAliveAsked); }
    // As far as they arrived, for the log.
    QByteArray method() const;
    QByteArray target() const;
    // Of a complete head: the target's path and query, as sent, and the
    // Content-Type.
    QByteArrayView path() const;
    QByteArrayView query() const;
    const QByteArray &contentType() const { return m_contentType; }
    // The client a proxy in front names, as sent.
    const QByteArray &realIp() const { return m_realIp; }

private:
    void endLine();
    void handleField(const QByteArray &name, const QByteArray &value);

    qsizetype m_maxRequestLine;
    qsizetype m_maxHeaderBlock;
    State m_state = State::Reading;
    bool m_started = false;
    bool m_inRequestLine = true;
    QByteArray m_requestLine;
    QByteArray m_line;
    qsizetype m_headerBytes = 0;
    qint64 m_bodyLength = 0;
    bool m_lengthSeen = false;
    bool m_http10 = false;
    bool m_closeAsked = false;
    bool m_keepAliveAsked = false;
    bool m_upgradeAsked = false;
    QByteArray m_target;
    QByteArray m_contentType;
    QByteArray m_realIp;
};
