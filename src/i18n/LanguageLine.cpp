#include "i18n/LanguageLine.h"

#include <cmath>
#include <limits>

#include <QList>

#include "tournament/MessageTable.h"
#include "i18n/WholeNumber.h"
#include "tournament/NumericValue.h"

namespace {

LanguageLine messageLine(const QList<QStringView> &fields)
{
    if (fields.size() < 3)
        return {};
    const double entry = roundedWhole(numericValue(fields[2]));
    if (!(entry >= 0 && entry < MessageTable::size))
        return {};
    return MessageLine{int(entry), fields[1].toString()};
}

LanguageLine controlLine(const QList<QStringView> &fields)
{
    if (fields.size() < 5)
        return {};
    std::optional<int> index;
    if (!fields[4].isEmpty()) {
        // Element indices are whole and never negative: an index like "1.5"
        // or "-1" names no element, and never a control outside an array.
        const double value = numericValue(fields[4]);
        if (!(value >= 0 && value <= std::numeric_limits<int>::max()) || value != std::trunc(value))
            return {};
        index = int(value);
    }
    return ControlLine{fields[0].toString(), fields[1].toString(), fields[2].toString(), fields[3].toString(),
                       index};
}

} // namespace

LanguageLine parseLanguageLine(QStringView line)
{
    const QList<QStringView> fields = line.split(u'\\');
    if (line.startsWith(u"MSG"))
        return messageLine(fields);
    if (line.startsWith(u"EQU"))
        return fields.size() < 3 || fields[1].isEmpty() ? LanguageLine()
                                                        : TeamNameLine{fields[1].toString(), fields[2].toString()};
    if (line.isEmpty())
        return {};
    return controlLine(fields);
}
