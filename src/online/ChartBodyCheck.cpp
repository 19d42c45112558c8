#include "online/ChartBodyCheck.h"

#include <QList>
#include <QString>

namespace {

bool isChartSection(const QByteArray &name)
{
    static const QList<QByteArray> sections = [] {
        QList<QByteArray> names{"But8",      "Pen8",   "But4",   "Pen4", "ButDEM", "PenDEM", "BUTPetFIN",
                                "PenPetFIN", "BUTFIN", "PenFIN", "CV",   "Lien",   "Mess",   "Match"};
        for (char g = 'A'; g <= 'H'; ++g)
            for (const char *prefix : {"But", "Equip", "TS"})
                names.append(QByteArray(prefix) + g);
        return names;
    }();
    for (const QByteArray &section : sections)
        if (name.compare(section, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

bool holdsChart(const QByteArray &bytes)
{
    if (bytes.contains('\0') || bytes.trimmed().startsWith('<'))
        return false;
    for (const QByteArray &line : bytes.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith('[') && trimmed.endsWith(']') &&
            isChartSection(trimmed.mid(1, trimmed.size() - 2).trimmed()))
            return true;
    }
    return false;
}
