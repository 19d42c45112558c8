#include "server/RequestHead.h"

#include <array>

#include <QList>

namespace {

// The methods the HTTP module tells apart; any other one it cannot parse,
// and it would leave the connection hanging.
constexpr std::array<const char *, 9> knownMethods{"GET",     "HEAD",  "POST",    "PUT",  "DELETE",
                                                   "OPTIONS", "PATCH", "CONNECT", "TRACE"};

bool isDigits(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 15)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

} // namespace

RequestHead::RequestHead(qsizetype maxRequestLine, qsizetype maxHeaderBlock)
    : m_maxRequestLine(maxRequestLine)
    , m_maxHeaderBlock(maxHeaderBlock)
{}

qsizetype RequestHead::feed(QByteArrayView bytes)
{
    qsizetype taken = 0;
    while (taken < bytes.size() && m_state == State::Reading) {
        const char c = bytes[taken++];
        // Empty lines before a request are allowed, and some clients send
        // one after a body.
        if (m_inRequestLine && m_requestLine.isEmpty() && (c == '\r' || c == '\n'))
            continue;
        m_started = true;
        if (c == '\n') {
            endLine();
            continue;
        }
        if (m_inRequestLine) {
            if (m_requestLine.size() >= m_maxRequestLine)
                m_state = State::UriTooLong;
            else
                m_requestLine.append(c);
        } else {
            if (++m_headerBytes > m_maxHeaderBlock)
                m_state = State::HeadersTooLarge;
            else
                m_line.append(c);
        }
    }
    return taken;
}

void RequestHead::endLine()
{
    if (m_inRequestLine) {
        if (m_requestLine.endsWith('\r'))
            m_requestLine.chop(1);
        m_inRequestLine = false;
        const QList<QByteArray> parts = m_requestLine.split(' ');
        if (parts.size() != 3 || parts[1].isEmpty() || !parts[2].startsWith("HTTP/")) {
            m_state = State::Malformed;
            return;
        }
        for (const char *known : knownMethods)
            if (parts[0] == known)
                return;
        m_state = State::UnknownMethod;
        return;
    }
    ++m_headerBytes;
    if (m_line.endsWith('\r'))
        m_line.chop(1);
    if (m_line.isEmpty()) {
        m_state = State::Complete;
        return;
    }
    const qsizetype colon = m_line.indexOf(':');
    if (colon <= 0) {
        m_state = State::Malformed;
        return;
    }
    const QByteArray name = m_line.left(colon).trimmed().toLower();
    const QByteArray value = m_line.mid(colon + 1).trimmed();
    m_line.clear();
    if (name == "connection") {
        m_wantsClose = value.toLower().contains("close");
    } else if (name == "transfer-encoding") {
        m_state = State::LengthRequired;
    } else if (name == "content-length") {
        // Two different lengths would let the module and this reader see
        // different requests in the same bytes.
        if (!isDigits(value) || (m_lengthSeen && value.toLongLong() != m_bodyLength))
            m_state = State::Malformed;
        m_bodyLength = value.toLongLong();
        m_lengthSeen = true;
    }
}

QByteArray RequestHead::method() const
{
    const qsizetype space = m_requestLine.indexOf(' ');
    return space < 0 ? m_requestLine : m_requestLine.left(space);
}

QByteArray RequestHead::target() const
{
    const qsizetype space = m_requestLine.indexOf(' ');
    if (space < 0)
        return {};
    const qsizetype end = m_requestLine.indexOf(' ', space + 1);
    return m_requestLine.mid(space + 1, end < 0 ? -1 : end - space - 1);
}
