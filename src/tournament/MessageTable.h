#pragma once

#include <array>

#include <QString>

#include "tournament/Message.h"
#include "tournament/TeamNames.h"

// The numbered texts that the code puts on screen itself. Every entry
// starts empty; a language file sets the entries it names and leaves the
// others as the previous file left them. The team names come with them;
// those a file does not name are shown as stored.
class MessageTable final
{
public:
    static constexpr int size = 200;

    // The code asks by name; a language file sets by the number it gives.
    const QString &at(Message entry) const { return m_entries[std::size_t(entry)]; }
    // The entry, or the program's own French while no language file has
    // set it.
    QString text(Message entry) const
    {
        const QString &text = at(entry);
        return text.isEmpty() ? QString::fromUtf16(frenchText(entry)) : text;
    }
    void set(int entry, const QString &text) { m_entries[std::size_t(entry)] = text; }

    TeamNames &teamNames() { return m_teamNames; }
    const TeamNames &teamNames() const { return m_teamNames; }

private:
    std::array<QString, size> m_entries;
    TeamNames m_teamNames;
};
