#include "tournament/CellFamily.h"

CellFamily::CellFamily(QString name, int first, int last, bool isArray)
    : m_name(std::move(name)), m_first(first), m_isArray(isArray), m_cells(std::size_t(last - first + 1))
{
}
