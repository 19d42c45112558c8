#pragma once

#include <QHash>
#include <QSet>
#include <QString>

// The team names of the language in force, by the name the chart stores.
// Charts keep their names as written (published files and peers match on
// them), so a name is translated only where it is shown. A name the table
// does not know is shown as stored, and so is a name the user typed: what
// one types is what one reads.
class TeamNames final
{
public:
    void clear() { m_shown.clear(); }
    void add(const QString &stored, const QString &shown) { m_shown.insert(stored, shown); }
    void keepAsTyped(const QString &name) { m_typed.insert(name); }

    QString shown(const QString &stored) const
    {
        return m_typed.contains(stored) ? stored : m_shown.value(stored, stored);
    }

private:
    QHash<QString, QString> m_shown;
    QSet<QString> m_typed;
};
