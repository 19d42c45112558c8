#include "storage/CodePage.h"

#include <algorithm>

#include <QStringDecoder>
#include <QStringEncoder>

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

QByteArray inCodePage(const QByteArray &bytes)
{
    const QByteArray bom = QByteArrayLiteral("\xEF\xBB\xBF");
    const bool marked = bytes.startsWith(bom);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(marked ? bytes.mid(bom.size()) : bytes);
    if (!marked && (utf8.hasError() || text.size() == bytes.size()))
        return bytes;
    for (QChar &c : text)
        if (!storable(c.unicode()))
            c = u'?';
    QStringEncoder codePage("windows-1252");
    return codePage.encode(text);
}
