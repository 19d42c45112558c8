#pragma once

#include <array>

#include <QString>
#include <QStringView>

// The numbered texts that the code puts on screen itself. Every entry
// starts empty; a language file sets the entries it names and leaves the
// others as the previous file left them.
class MessageTable final
{
public:
    static constexpr int size = 101;

    const QString &at(int entry) const { return m_entries[std::size_t(entry)]; }
    void set(int entry, const QString &text) { m_entries[std::size_t(entry)] = text; }

    // The entry, or the French design text until a language file sets it.
    QString textOr(int entry, QStringView designText) const
    {
        const QString &text = at(entry);
        return text.isEmpty() ? designText.toString() : text;
    }

private:
    std::array<QString, size> m_entries;
};
