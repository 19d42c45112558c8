#include "i18n/LanguageIndex.h"

#include <algorithm>
#include <array>
#include <limits>

#include "i18n/WholeNumber.h"
#include "tournament/NumericValue.h"

namespace {

// Portuguese is Brazil's: its words, and Qt's dialog texts with them.
constexpr std::array<Language, 7> all{{
    {u"fr", u"langFr.txt", u"Français", u"fr"},
    {u"en", u"langEn.txt", u"English", u""},
    {u"es", u"langSp.txt", u"Español", u"es"},
    {u"de", u"langDe.txt", u"Deutsch", u"de"},
    {u"it", u"langIt.txt", u"Italiano", u"it"},
    {u"pt", u"langPt.txt", u"Português", u"pt_BR"},
    {u"nl", u"langNl.txt", u"Nederlands", u"nl"},
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

std::optional<LanguageIndex> languageIndexFromCode(QStringView code)
{
    const auto found = std::find_if(all.begin(), all.end(), [code](const Language &l) { return l.code == code; });
    if (found == all.end())
        return std::nullopt;
    return LanguageIndex(found - all.begin());
}

QStringList languageCodes()
{
    QStringList codes;
    for (const Language &language : all)
        codes << language.code.toString();
    return codes;
}

QString languageFileName(LanguageIndex index)
{
    return index < all.size() ? all[index].fileName.toString() : QString();
}
