#include "history/NameKey.h"

QString alphabeticalKey(const QString &name)
{
    QString folded;
    const QString decomposed = name.normalized(QString::NormalizationForm_D);
    folded.reserve(decomposed.size());
    for (QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            folded += c;
    return folded.toCaseFolded();
}
