#pragma once

#include "tournament/Cell.h"

#include <functional>
#include <vector>

#include <QString>

class Tournament;

// A control array of the chart: cells addressed by their element index.
// A single control is a family of one cell at index 0.
class CellFamily final
{
public:
    using ChangeHandler = std::function<void(int index)>;

    CellFamily(QString name, int first, int last);

    const QString &name() const { return m_name; }
    int first() const { return m_first; }
    int last() const { return m_first + int(m_cells.size()) - 1; }

    const Cell &operator[](int index) const { return m_cells[std::size_t(index - m_first)]; }
    const QString &text(int index) const { return (*this)[index].text; }
    // Moves with every change of a text or a tag of the family's cells:
    // what is worked out from them is current while it has not moved.
    quint64 revision() const { return m_revision; }

private:
    friend class Tournament;
    Cell &cell(int index) { return m_cells[std::size_t(index - m_first)]; }

    QString m_name;
    int m_first;
    std::vector<Cell> m_cells;
    quint64 m_revision = 0;
    ChangeHandler m_onChange;
};
