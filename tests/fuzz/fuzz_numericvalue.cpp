// Any text as the numeric value of a cell, and the value written back.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include <QLocale>
#include <QStringDecoder>

#include "tournament/NumericValue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool cLocale = [] {
        QLocale::setDefault(QLocale::c());
        return true;
    }();
    (void)cLocale;
    const QString text = QStringDecoder("windows-1252").decode(QByteArrayView(data, qsizetype(size)));
    const double value = numericValue(text);
    // A whole number is written and read back exactly.
    if (std::isfinite(value) && value == std::trunc(value) && std::abs(value) < 1e15 &&
        numericValue(formatNumber(value)) != value)
        std::abort();
    return 0;
}
