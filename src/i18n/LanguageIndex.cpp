#include "i18n/LanguageIndex.h"

#include <array>
#include <limits>

#include "i18n/WholeNumber.h"
#include "tournament/NumericValue.h"

LanguageIndex languageIndexFromStored(const QString &stored)
{
    const double index = roundedWhole(numericValue(stored));
    if (!(index >= 0 && index <= std::numeric_limits<LanguageIndex>::max()))
        return 0;
    return LanguageIndex(index);
}

QString languageFileName(LanguageIndex index)
{
    static const std::array<QString, 3> names{QStringLiteral("langFr.txt"), QStringLiteral("langEn.txt"),
                                              QStringLiteral("langSp.txt")};
    return index < names.size() ? names[index] : QString();
}

QStringList flagToolTips()
{
    return {QStringLiteral("Langue Française"), QStringLiteral("Switch to English"), QStringLiteral("Espana")};
}
