#include "print/Paper.h"

#include <cmath>

std::optional<Paper> paperFromName(const QString &name)
{
    for (Paper paper : {Paper::A4, Paper::A3})
        if (name.compare(paperName(paper), Qt::CaseInsensitive) == 0)
            return paper;
    return std::nullopt;
}

QString paperName(Paper paper)
{
    return paper == Paper::A3 ? QStringLiteral("a3") : QStringLiteral("a4");
}

QPageSize pageSize(Paper paper)
{
    return QPageSize(paper == Paper::A3 ? QPageSize::A3 : QPageSize::A4);
}

double paperScale(Paper paper)
{
    return paper == Paper::A3 ? std::sqrt(2.0) : 1.0;
}
