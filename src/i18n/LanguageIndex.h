#pragma once

#include <optional>
#include <span>

#include <QString>
#include <QStringList>
#include <QStringView>

// sage: the applied language, an index into languages(): 0 French, 1
// English, 2 Spanish, then German, Italian, Portuguese and Dutch. Other
// values up to 255 can come from hand-edited settings; they apply no file
// but are kept, since the chart's news message is looked up under them.
using LanguageIndex = quint8;

struct Language
{
    QStringView code;     // what --language takes
    QStringView fileName; // its language file in the program folder
    QStringView ownName;  // as the chooser names it: in the language itself
    // The language as Qt's own translations name theirs; empty for
    // English, which Qt speaks without one.
    QStringView qtLocale;
};

// In the order of their indexes: the settings keep an index, so a language
// added later goes at the end.
std::span<const Language> languages();

// The "langue" setting as a language index. A value outside 0..255 is
// French.
LanguageIndex languageIndexFromStored(const QString &stored);

// The language of a --language code; none for a code it does not know.
std::optional<LanguageIndex> languageIndexFromCode(QStringView code);

// The codes --language takes, in index order.
QStringList languageCodes();

// The language file's name (langFr.txt, langEn.txt...) in the program
// folder, or an empty text for an index that has no language file.
QString languageFileName(LanguageIndex index);
