#pragma once

#include <list>
#include <optional>
#include <utility>

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringView>

// One INI file held as its raw lines. A change rewrites the line of its key
// only, so every other byte (comments, blank lines, line ends, spellings of
// names) goes back to disk exactly as it came. Text is Windows-1252; names
// match without regard to letter case.
//
// The keys and sections are indexed once, when the text is read, so that a
// lookup or a change costs the same in a file of ten lines as in one of a
// hundred thousand.
class IniDocument final
{
public:
    // The longest value a reader gets back; longer ones are cut.
    static constexpr qsizetype maxValueLength = 1023;

    IniDocument() = default;
    explicit IniDocument(const QByteArray &bytes);
    IniDocument(const IniDocument &other);
    IniDocument &operator=(const IniDocument &other);
    IniDocument(IniDocument &&) = default;
    IniDocument &operator=(IniDocument &&) = default;

    // No value when the section or the key is missing; an empty value when
    // the key is there with nothing after "=".
    std::optional<QString> value(QStringView section, QStringView key) const;
    bool hasSection(QStringView section) const;

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
    using Lines = std::list<Line>;
    using Position = Lines::iterator;
    using KeyName = std::pair<QString, QString>; // section and key, case-folded

    static Line parse(QByteArray content, QStringView text, QByteArray ending);
    static Line parse(QByteArray content, QByteArray ending);
    void rebuildIndex();
    Position insertLine(Position before, const QByteArray &content);

    Lines m_lines;
    // The first occurrence wins, as a reader going down the file finds it.
    QHash<KeyName, Position> m_keys;
    // Where a new key of a section goes: after the last key of the first
    // section of that name (its header when it has none).
    QHash<QString, Position> m_sectionEnds;
};
