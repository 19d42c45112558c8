#pragma once

#include <QFont>
#include <QString>

// A name made to fit its box: in its own face when it fits, else in a
// narrower face, and only when even that is too wide, shortened with an
// ellipsis as little as needed. A name never runs into the next box.
struct FittedText
{
    QFont font;
    QString text;
};

FittedText fitText(const QString &text, const QFont &font, double width);
