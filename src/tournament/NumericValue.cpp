#include "tournament/NumericValue.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

#include <QLocale>
#include <QVarLengthArray>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

int digitIn(char16_t c, int radix)
{
    const char16_t lower = c | 0x20;
    const int digit = c >= u'0' && c <= u'9' ? c - u'0' : lower >= u'a' && lower <= u'f' ? lower - u'a' + 10 : -1;
    return digit < radix ? digit : -1;
}

// Cell texts are short: these live on the stack, and a refresh that reads
// every cell allocates nothing for them.
using Characters = QVarLengthArray<char16_t, 32>;
using Number = QVarLengthArray<char, 32>;

double radixValue(const Characters &s, qsizetype pos, int radix)
{
    double value = 0;
    for (int digit; pos < s.size() && (digit = digitIn(s[pos], radix)) >= 0; ++pos)
        value = value * radix + digit;
    return value;
}

// Only the decimal separator is the user's: a locale's own minus sign
// (U+2212) or digits would make texts that numericValue reads as 0. Asking
// the locale is dear (a lock and a query of the system's), so it is asked
// only for a point there is to replace: whole numbers, nearly every figure
// of a chart, have none. Asked each time, it follows any change of the
// default locale at once.
QString trimmedNumber(double value, int precision)
{
    if (value == std::trunc(value) && std::abs(value) < 1e15)
        return formatWholeNumber(qint64(value));
    QString text = QString::number(value, 'g', precision);
    if (text.contains(u'.'))
        text.replace(u'.', QLocale().decimalPoint());
    return text;
}

// A score is a few digits: read at once, they make the value that the
// general reading below makes of them, and nothing is copied.
std::optional<double> plainDigitsValue(QStringView text)
{
    if (text.size() > 9) // beyond an int's reach
        return std::nullopt;
    int value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

} // namespace

double numericValue(QStringView text)
{
    if (const std::optional<double> digits = plainDigitsValue(text))
        return *digits;
    // The other text a chart is full of: the mark of a match not played.
    if (!isPlayed(text))
        return 0;
    Characters s;
    for (QChar c : text)
        if (!isBlank(c))
            s.push_back(c.unicode());

    if (s.size() >= 2 && s[0] == u'&') {
        const char16_t kind = QChar(s[1]).toUpper().unicode();
        if (kind == u'H')
            return radixValue(s, 2, 16);
        if (kind == u'O')
            return radixValue(s, 2, 8);
        return 0;
    }

    // Collect the longest prefix that forms a number; from_chars reads it
    // whatever the process locale says about decimal points.
    Number number;
    qsizetype i = 0;
    auto digits = [&] {
        qsizetype n = 0;
        for (; i < s.size() && s[i] >= u'0' && s[i] <= u'9'; ++i, ++n)
            number.push_back(char(s[i]));
        return n;
    };
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        number.push_back(char(s[i++]));
    qsizetype mantissa = digits();
    if (i < s.size() && s[i] == u'.') {
        number.push_back('.');
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return 0;
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        const qsizetype mark = number.size();
        const qsizetype at = i++;
        number.push_back('e');
        if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
            number.push_back(char(s[i++]));
        if (digits() == 0) {
            number.resize(mark);
            i = at;
        }
    }
    double value = 0;
    const char *begin = number.constData();
    const char *end = begin + number.size();
    if (*begin == '+')
        ++begin;
    std::from_chars(begin, end, value);
    return value;
}

QString formatWholeNumber(qint64 value)
{
    // Goals, differences, points and matches played: a full refresh writes
    // hundreds of them, nearly all small. Their texts are written once and
    // shared, where writing each anew cost a third of the refresh.
    constexpr qint64 lowest = -99;
    constexpr qint64 highest = 999;
    static const std::vector<QString> small = [] {
        std::vector<QString> texts;
        for (qint64 n = lowest; n <= highest; ++n)
            texts.push_back(QString::number(n));
        return texts;
    }();
    if (value < lowest || value > highest)
        return QString::number(value);
    return small[std::size_t(value - lowest)];
}

QString formatNumber(double value)
{
    return trimmedNumber(value, 15);
}

QString formatSingle(float value)
{
    return trimmedNumber(double(value), 7);
}
