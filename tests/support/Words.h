#pragma once

#include <QString>
#include <QStringList>

// The words of a line of expected cell texts; "_" stands for the empty text,
// so that "1 1 _ _" reads like four cells of a row.
inline QStringList words(const char *line)
{
    QStringList texts = QString::fromUtf8(line).split(u' ', Qt::SkipEmptyParts);
    for (QString &text : texts)
        if (text == u"_")
            text.clear();
    return texts;
}
