#include "i18n/LanguageIndex.h"

#include <array>
#include <limits>

#include "i18n/WholeNumber.h"
#include "tournament/NumericValue.h"

namespace {

// Portuguese is Brazil's: its words, and Qt's dialog texts with them.
constexpr std::array<Language, 7> all{{
    {u"langFr.txt", u"Français", u"fr"},
    {u"langEn.txt", u"English", u""},
    {u"langSp.txt", u"Español", u"es"},
    {u"langDe.txt", u"Deutsch", u"de"},
    {u"langIt.txt", u"Italiano", u"it"},
    {u"langPt.txt", u"Português", u"pt_BR"},
    {u"langNl.txt", u"Nederlands", u"nl"},
}};

} // namespace

std::span<const Language> languages()
{
    return all;
}

LanguageIndex languageIndexFromStored(const QString &stored)
{
    const double index = roundedWhole(numericValue(stored));
    if (!(index >= 0 && index <= std::numeric_limits<LanguageIndex>::max()))
        return 0;
    return LanguageIndex(index);
}

QString languageFileName(LanguageIndex index)
{
    return index < all.size() ? all[index].fileName.toString() : QString();
}
