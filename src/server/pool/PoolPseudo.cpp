#include "server/pool/PoolPseudo.h"

#include <algorithm>
#include <array>
#include <utility>

#include <QList>

namespace {

// Unicode's default-ignorable code points that Qt still counts printable
// (the others are format characters, refused as such), and the braille
// blank, which is a symbol drawn as nothing.
constexpr std::array<std::pair<char32_t, char32_t>, 12> drawnAsNothing{{
    {0x034F, 0x034F},   // combining grapheme joiner
    {0x115F, 0x1160},   // Hangul fillers
    {0x17B4, 0x17B5},   // Khmer inherent vowels
    {0x180B, 0x180F},   // Mongolian variation selectors
    {0x2800, 0x2800},   // braille blank
    {0x3164, 0x3164},   // Hangul filler
    {0xFE00, 0xFE0F},   // variation selectors
    {0xFFA0, 0xFFA0},   // half-width Hangul filler
    {0x1BCA0, 0x1BCA3}, // shorthand format controls
    {0x1D173, 0x1D17A}, // musical format controls
    {0xE0000, 0xE0FFF}, // tags and variation selectors supplement
    {0x2060, 0x206F},   // word joiner and invisible operators
}};

bool isDrawnAsNothing(char32_t c)
{
    return std::ranges::any_of(drawnAsNothing,
                               [c](const auto &range) { return c >= range.first && c <= range.second; });
}

} // namespace

namespace poolPseudo {

bool isFit(const QString &pseudo)
{
    if (pseudo.isEmpty() || pseudo.size() > maxLength)
        return false;
    bool seen = false;
    for (const char32_t c : pseudo.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (!QChar::isPrint(c) || category == QChar::Separator_Line || category == QChar::Separator_Paragraph ||
            isDrawnAsNothing(c))
            return false;
        seen = seen || QChar::isLetterOrNumber(c);
    }
    return seen;
}

} // namespace poolPseudo
