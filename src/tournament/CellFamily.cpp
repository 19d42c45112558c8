#include "tournament/CellFamily.h"

CellFamily::CellFamily(QString name, int first, int last)
    : m_name(std::move(name)), m_first(first), m_cells(std::size_t(last - first + 1))
{
}
