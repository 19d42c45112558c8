#include "storage/IniDocument.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr const char *codePage = "windows-1252";
const QByteArray crlf = QByteArrayLiteral("\r\n");

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool quotedOnBothEnds(QStringView v)
{
    return v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.front() == v.back();
}

QString unquoted(QStringView v)
{
    return (quotedOnBothEnds(v) ? v.mid(1, v.size() - 2) : v).toString();
}

// A value must stay on its line, and a reader trims and unquotes: quote
// whatever trimming or unquoting would otherwise change, so that every
// value written reads back as it was.
QString storedForm(QString value)
{
    value.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    if (value != value.trimmed() || quotedOnBothEnds(value))
        return u'"' + value + u'"';
    return value;
}

QByteArray encoded(const QString &text)
{
    QStringEncoder encoder(codePage);
    return encoder.encode(text);
}

} // namespace

IniDocument::IniDocument(const QByteArray &bytes)
{
    // The code page gives one character per byte, so the text of a line
    // stands at the same offsets as its bytes.
    QStringDecoder decoder(codePage);
    const QString text = decoder.decode(bytes);
    Q_ASSERT(text.size() == bytes.size());
    m_lines.reserve(std::size_t(bytes.count('\n')) + 1);
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype newline = bytes.indexOf('\n', start);
        const bool terminated = newline >= 0;
        if (!terminated)
            newline = bytes.size();
        const bool cr = terminated && newline > start && bytes[newline - 1] == '\r';
        const qsizetype length = (cr ? newline - 1 : newline) - start;
        m_lines.push_back(parse(bytes.mid(start, length), QStringView(text).mid(start, length),
                                !terminated ? QByteArray() : cr ? crlf : QByteArrayLiteral("\n")));
        start = newline + 1;
    }
}

IniDocument::Line IniDocument::parse(QByteArray content, QStringView untrimmed, QByteArray ending)
{
    Line line;
    line.content = std::move(content);
    line.ending = std::move(ending);
    const QStringView text = untrimmed.trimmed();
    if (text.startsWith(u'[')) {
        const qsizetype close = text.indexOf(u']');
        line.kind = Kind::Section;
        line.name = text.mid(1, close < 0 ? -1 : close - 1).trimmed().toString();
    } else if (!text.startsWith(u';')) {
        const qsizetype equals = text.indexOf(u'=');
        if (equals > 0) {
            line.kind = Kind::Key;
            line.name = text.left(equals).trimmed().toString();
            line.value = unquoted(text.mid(equals + 1).trimmed());
        }
    }
    return line;
}

IniDocument::Line IniDocument::parse(QByteArray content, QByteArray ending)
{
    QStringDecoder decoder(codePage);
    const QString text = decoder.decode(content);
    return parse(std::move(content), text, std::move(ending));
}

std::optional<std::size_t> IniDocument::findKey(QStringView section, QStringView key) const
{
    bool inSection = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Line &line = m_lines[i];
        if (line.kind == Kind::Section)
            inSection = sameName(line.name, section);
        else if (inSection && line.kind == Kind::Key && sameName(line.name, key))
            return i;
    }
    return std::nullopt;
}

std::optional<QString> IniDocument::value(QStringView section, QStringView key) const
{
    const std::optional<std::size_t> at = findKey(section, key);
    if (!at)
        return std::nullopt;
    return m_lines[*at].value.left(maxValueLength);
}

void IniDocument::setValue(const QString &section, const QString &key, const QString &value)
{
    const QByteArray stored = encoded(storedForm(value));
    if (const std::optional<std::size_t> at = findKey(section, key)) {
        Line &line = m_lines[*at];
        const QByteArray prefix = line.content.left(line.content.indexOf('=') + 1);
        line = parse(prefix + stored, line.ending);
        return;
    }

    const QByteArray keyLine = encoded(key) + '=' + stored;
    std::optional<std::size_t> insertAt;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Line &line = m_lines[i];
        if (line.kind == Kind::Section) {
            if (insertAt)
                break;
            if (sameName(line.name, section))
                insertAt = i + 1;
        } else if (insertAt && line.kind == Kind::Key) {
            insertAt = i + 1;
        }
    }
    if (!insertAt) {
        insertLine(m_lines.size(), '[' + encoded(section) + ']');
        insertAt = m_lines.size();
    }
    insertLine(*insertAt, keyLine);
}

void IniDocument::insertLine(std::size_t at, const QByteArray &content)
{
    if (at > 0 && m_lines[at - 1].ending.isEmpty())
        m_lines[at - 1].ending = crlf;
    m_lines.insert(m_lines.begin() + std::ptrdiff_t(at), parse(content, crlf));
}

QByteArray IniDocument::toBytes() const
{
    QByteArray bytes;
    for (const Line &line : m_lines)
        bytes += line.content + line.ending;
    return bytes;
}
