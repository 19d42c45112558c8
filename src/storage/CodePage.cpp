#include "storage/CodePage.h"

#include <algorithm>

namespace {

// What the bytes 0x80 to 0x9F stand for; five of them stand for nothing.
constexpr char16_t upperControlRange[] = u"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ";

bool storable(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return true;
    return std::find(std::begin(upperControlRange), std::end(upperControlRange) - 1, c) !=
           std::end(upperControlRange) - 1;
}

} // namespace

qsizetype firstUnstorable(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!storable(text[i].unicode()))
            return i;
    return -1;
}
