#pragma once

#include <QString>
#include <QStringView>

// The value of a cell text: blanks anywhere are ignored, then as much of a
// number as the text begins with (sign, digits with one ".", exponent, or
// "&H"/"&O" integers); a text that does not begin with a number is 0.
double numericValue(QStringView text);

// Only the exact text "-" marks a score as not played; the empty text is a
// played 0. Asked of every score at every keystroke, it compares inline.
inline bool isPlayed(QStringView text)
{
    return text.size() != 1 || text.front() != u'-';
}

// The ordinary decimal form of a number: no group separators, no trailing
// zeros, the user's decimal separator.
QString formatNumber(double value);
// The same for a whole number.
QString formatWholeNumber(qint64 value);
// The same for single-precision values, rounded to their seven digits.
QString formatSingle(float value);
