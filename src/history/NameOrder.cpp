#include "history/NameOrder.h"

#include "history/NameKey.h"

bool alphabeticallyBefore(const QString &a, const QString &b)
{
    const int folded = QString::compare(alphabeticalKey(a), alphabeticalKey(b));
    return folded != 0 ? folded < 0 : a < b;
}
