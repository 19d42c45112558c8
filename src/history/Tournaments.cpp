#include "history/Tournaments.h"

#include <array>

namespace {

constexpr std::array<const char16_t *, 7> years{u"1998", u"2002", u"2006", u"2010", u"2014", u"2018", u"2022"};

static_assert(years.size() == std::size_t(Tournaments::last - Tournaments::first + 1));

} // namespace

namespace Tournaments {

QString year(int entry)
{
    if (entry < first || entry > last)
        return QString();
    return QString::fromUtf16(years[std::size_t(entry - first)]);
}

QString chartName(int entry)
{
    const QString y = year(entry);
    return y.isEmpty() ? QString() : QStringLiteral("VYL") + y;
}

int entryOfChart(const QString &name)
{
    for (int entry = first; entry <= last; ++entry)
        if (name == chartName(entry))
            return entry;
    return 0;
}

QString yearOfChart(const QString &name)
{
    const int entry = entryOfChart(name);
    return year(entry != 0 ? entry : current);
}

} // namespace Tournaments
