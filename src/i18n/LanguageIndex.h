#pragma once

#include <QString>
#include <QStringList>

// sage: the applied language, 0 French, 1 English, 2 Spanish. Other values
// up to 255 can come from hand-edited settings; they apply no file but are
// kept, since the chart's news message is looked up under them.
using LanguageIndex = quint8;

// The "langue" setting as a language index. A value outside 0..255 is
// French.
LanguageIndex languageIndexFromStored(const QString &stored);

// "langFr.txt", "langEn.txt", "langSp.txt" in the program folder, or an empty
// text for an index that has no language file.
QString languageFileName(LanguageIndex index);

// Tooltips of the three flags of `lang`, by element.
QStringList flagToolTips();
