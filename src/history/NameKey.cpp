#include "history/NameKey.h"

// Qt folds case one character to one: upper case then lower case again
// maps "ß" to "ss" and "İ" to "i" with its dot, and a second round takes
// what the first made ("ẞ" to "ß" to "ss").
QString foldedName(const QString &name)
{
    QString key = name.normalized(QString::NormalizationForm_KC);
    for (int round = 0; round < 2; ++round)
        key = key.toUpper().toLower().normalized(QString::NormalizationForm_KC);
    return key.toCaseFolded();
}

QString alphabeticalKey(const QString &name)
{
    QString key;
    const QString decomposed = foldedName(name).normalized(QString::NormalizationForm_D);
    key.reserve(decomposed.size());
    for (QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            key += c;
    return key;
}
