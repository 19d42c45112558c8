#include "server/RequestHead.h"

#include <algorithm>
#include <array>

#include <QList>

namespace {

// The methods the HTTP module tells apart; any other one it cannot parse,
// and it would leave the connection hanging. CONNECT is not among them:
// the module takes it for a change of protocol.
constexpr std::array<const char *, 8> knownMethods{"GET",     "HEAD",  "POST", "PUT",
                                                   "DELETE",  "OPTIONS", "PATCH", "TRACE"};

bool isDigits(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 15)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// What RFC 9112 lets through, and no more: the module's own reader is
// laxer in places and stricter in others, and only bytes both read alike
// may pass.
bool isTarget(QByteArrayView text)
{
    return text.startsWith('/') && std::all_of(text.begin(), text.end(), [](char c) { return c > 0x20 && c < 0x7f; });
}

bool isToken(QByteArrayView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
               QByteArrayView("!#$%&'*+-.^_`|~").contains(c);
    });
}

bool isFieldValue(QByteArrayView text)
{
    return std::none_of(text.begin(), text.end(), [](char c) { return (c >= 0 && c < 0x20 && c != '\t') || c == 0x7f; });
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
        if (parts.size() != 3 || !isTarget(parts[1]) || (parts[2] != "HTTP/1.1" && parts[2] != "HTTP/1.0")) {
            m_state = State::Malformed;
            return;
        }
        m_http10 = parts[2] == "HTTP/1.0";
        m_target = parts[1];
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
    // A line folded onto the previous one, a space before the colon, a
    // control byte: read one way here and another way by the module.
    const qsizetype colon = m_line.indexOf(':');
    const QByteArray name = m_line.left(colon).toLower();
    const QByteArray value = m_line.mid(colon + 1);
    if (colon <= 0 || !isToken(name) || !isFieldValue(value)) {
        m_state = State::Malformed;
        return;
    }
    m_line.clear();
    handleField(name, value.trimmed());
}

void RequestHead::handleField(const QByteArray &name, const QByteArray &value)
{
    if (name == "connection" || name == "proxy-connection") {
        for (const QByteArray &option : value.toLower().split(',')) {
            m_closeAsked = m_closeAsked || option.trimmed() == "close";
            m_keepAliveAsked = m_keepAliveAsked || option.trimmed() == "keep-alive";
            m_upgradeAsked = m_upgradeAsked || option.trimmed() == "upgrade";
        }
        if (m_upgradeAsked)
            m_state = State::Malformed;
    } else if (name == "upgrade") {
        // The module answers a change of protocol twice, or drops it.
        m_state = State::Malformed;
    } else if (name == "content-type") {
        m_contentType = value;
    } else if (name == "x-real-ip") {
        m_realIp = value;
    } else if (name == "transfer-encoding") {
        m_state = State::LengthRequired;
    } else if (name == "content-length") {
        // Two lengths would let the module and this reader see different
        // requests in the same bytes; the module refuses even equal ones.
        if (!isDigits(value) || m_lengthSeen)
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

QByteArrayView RequestHead::path() const
{
    const QByteArrayView whole(m_target);
    const qsizetype question = whole.indexOf('?');
    return question < 0 ? whole : whole.first(question);
}

QByteArrayView RequestHead::query() const
{
    const qsizetype question = m_target.indexOf('?');
    return question < 0 ? QByteArrayView() : QByteArrayView(m_target).sliced(question + 1);
}

QByteArray RequestHead::target() const
{
    const qsizetype space = m_requestLine.indexOf(' ');
    if (space < 0)
        return {};
    const qsizetype end = m_requestLine.indexOf(' ', space + 1);
    return m_requestLine.mid(space + 1, end < 0 ? -1 : end - space - 1);
}
