#include "storage/IniDocument.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr const char *codePage = "windows-1252";
// Not a global object: a document may be built while other files' globals
// are being made, before this one's would be.
QByteArray crlf()
{
    return QByteArrayLiteral("\r\n");
}

QString folded(QStringView name)
{
    return name.toString().toCaseFolded();
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
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype newline = bytes.indexOf('\n', start);
        const bool terminated = newline >= 0;
        if (!terminated)
            newline = bytes.size();
        const bool cr = terminated && newline > start && bytes[newline - 1] == '\r';
        const qsizetype length = (cr ? newline - 1 : newline) - start;
        m_lines.push_back(parse(bytes.mid(start, length), QStringView(text).mid(start, length),
                                !terminated ? QByteArray()
                                : cr        ? crlf()
                                            : QByteArrayLiteral("\n")));
        start = newline + 1;
    }
    rebuildIndex();
}

IniDocument::IniDocument(const IniDocument &other)
    : m_lines(other.m_lines)
{
    rebuildIndex();
}

IniDocument &IniDocument::operator=(const IniDocument &other)
{
    if (this != &other) {
        m_lines = other.m_lines;
        rebuildIndex();
    }
    return *this;
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
            // A carriage return alone does not end a line here, but no value
            // written can hold one: read it as the writer would store it.
            line.value.replace(u'\r', u' ');
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

void IniDocument::rebuildIndex()
{
    m_keys.clear();
    m_sectionEnds.clear();
    QString section; // folded name of the section the line stands in
    bool inSection = false;
    bool firstOfItsName = false;
    for (Position at = m_lines.begin(); at != m_lines.end(); ++at) {
        if (at->kind == Kind::Section) {
            section = folded(at->name);
            inSection = true;
            firstOfItsName = !m_sectionEnds.contains(section);
            if (firstOfItsName)
                m_sectionEnds.insert(section, at);
        } else if (at->kind == Kind::Key && inSection) {
            // A key of a later section of the same name is still found.
            const KeyName name(section, folded(at->name));
            if (!m_keys.contains(name))
                m_keys.insert(name, at);
            if (firstOfItsName)
                m_sectionEnds[section] = at;
        }
    }
}

std::optional<QString> IniDocument::value(QStringView section, QStringView key) const
{
    const auto found = m_keys.constFind(KeyName(folded(section), folded(key)));
    if (found == m_keys.cend())
        return std::nullopt;
    return found.value()->value.left(maxValueLength);
}

bool IniDocument::hasSection(QStringView section) const
{
    return m_sectionEnds.contains(folded(section));
}

void IniDocument::setValue(const QString &section, const QString &key, const QString &value)
{
    const QByteArray stored = encoded(storedForm(value));
    const KeyName name(folded(section), folded(key));
    if (const auto found = m_keys.constFind(name); found != m_keys.cend()) {
        Line &line = *found.value();
        const QByteArray prefix = line.content.left(line.content.indexOf('=') + 1);
        line = parse(prefix + stored, line.ending);
        return;
    }

    auto end = m_sectionEnds.find(name.first);
    if (end == m_sectionEnds.end())
        end = m_sectionEnds.insert(name.first, insertLine(m_lines.end(), '[' + encoded(section) + ']'));
    const Position added = insertLine(std::next(end.value()), encoded(key) + '=' + stored);
    end.value() = added;
    m_keys.insert(name, added);
}

IniDocument::Position IniDocument::insertLine(Position before, const QByteArray &content)
{
    if (before != m_lines.begin() && std::prev(before)->ending.isEmpty())
        std::prev(before)->ending = crlf();
    return m_lines.insert(before, parse(content, crlf()));
}

QByteArray IniDocument::toBytes() const
{
    qsizetype size = 0;
    for (const Line &line : m_lines)
        size += line.content.size() + line.ending.size();
    QByteArray bytes;
    bytes.reserve(size);
    for (const Line &line : m_lines)
        bytes += line.content + line.ending;
    return bytes;
}
