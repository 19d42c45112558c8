#include "history/Tournaments.h"

#include <array>

#include <QRegularExpression>

namespace {

constexpr std::array<const char16_t *, 11> years{u"1998", u"2002", u"2006", u"2010", u"2014", u"2018",
                                                 u"2022", u"2026", u"2016", u"2020", u"2024"};

static_assert(years.size() == std::size_t(Tournaments::last - Tournaments::first + 1));

} // namespace

namespace Tournaments {

QString year(int entry)
{
    if (entry < first || entry > last)
        return QString();
    return QString::fromUtf16(years[std::size_t(entry - first)]);
}

QString listed(int entry)
{
    return year(entry).isEmpty() ? QString() : listedChart(chartName(entry));
}

QString chartName(int entry)
{
    const QString y = year(entry);
    if (y.isEmpty())
        return QString();
    return (entry >= firstEuropean ? QStringLiteral("EURO") : QStringLiteral("VYL")) + y;
}

int entryOfChart(const QString &name)
{
    for (int entry = first; entry <= last; ++entry)
        if (name == chartName(entry))
            return entry;
    return 0;
}

QString listedChart(const QString &name)
{
    const QString year = yearOfChart(name);
    return name.startsWith(QStringLiteral("EURO")) ? QStringLiteral("Euro ") + year : year;
}

QString yearOfChart(const QString &name)
{
    const int entry = entryOfChart(name);
    if (entry != 0)
        return year(entry);
    static const QRegularExpression coming(QStringLiteral("^(?:VYL|EURO)(20\\d\\d)$"));
    const QRegularExpressionMatch match = coming.match(name);
    return match.hasMatch() ? match.captured(1) : year(current);
}

} // namespace Tournaments
