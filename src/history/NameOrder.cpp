#include "history/NameOrder.h"

namespace {

QString foldedName(const QString &name)
{
    QString folded;
    const QString decomposed = name.normalized(QString::NormalizationForm_D);
    folded.reserve(decomposed.size());
    for (QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            folded += c;
    return folded.toCaseFolded();
}

} // namespace

bool alphabeticallyBefore(const QString &a, const QString &b)
{
    const int folded = QString::compare(foldedName(a), foldedName(b));
    return folded != 0 ? folded < 0 : a < b;
}
