#pragma once

#include <optional>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringView>

// One INI file held as its raw lines. A change rewrites the line of its key
// only, so every other byte (comments, blank lines, line ends, spellings of
// names) goes back to disk exactly as it came. Text is Windows-1252; names
// match without regard to letter case.
class IniDocument final
{
public:
    // The longest value a reader gets back; longer ones are cut.
    static constexpr qsizetype maxValueLength = 1023;

    IniDocument() = default;
    explicit IniDocument(const QByteArray &bytes);

    // No value when the section or the key is missing; an empty value when
    // the key is there with nothing after "=".
    std::optional<QString> value(QStringView section, QStringView key) const;

    // Replaces the value in place, or adds the key at the end of its first
    // section, or adds the section at the end of the file. New lines end in
    // CRLF; a replaced line keeps its own line end.
    void setValue(const QString &section, const QString &key, const QString &value);

    QByteArray toBytes() const;

private:
    enum class Kind { Other, Section, Key };

    struct Line
    {
        QByteArray content; // without its line end
        QByteArray ending;  // "\r\n", "\n", or "" for an unterminated last line
        Kind kind = Kind::Other;
        QString name;  // section or key name, trimmed
        QString value; // key lines: trimmed, unquoted
    };

    static Line parse(QByteArray content, QStringView text, QByteArray ending);
    static Line parse(QByteArray content, QByteArray ending);
    std::optional<std::size_t> findKey(QStringView section, QStringView key) const;
    void insertLine(std::size_t at, const QByteArray &content);

    std::vector<Line> m_lines;
};
