// Any bytes: read as an INI document, written back byte for byte; one key
// set and read back through a fresh reading.
#include <cstdint>
#include <cstdlib>

#include <QByteArray>
#include <QStringDecoder>

#include "storage/CodePage.h"
#include "storage/IniDocument.h"

namespace {

// Names the program could use: letters and digits only.
QString nameFrom(const QByteArray &bytes, const char *fallback)
{
    QString name;
    for (char c : bytes)
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            name += QLatin1Char(c);
    return name.isEmpty() ? QString::fromLatin1(fallback) : name.left(12);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    IniDocument document(bytes);
    if (document.toBytes() != bytes)
        std::abort(); // a document must give back every byte it was given

    const QString section = nameFrom(bytes.left(8), "ButA");
    const QString key = nameFrom(bytes.mid(8, 4), "0");
    QString value = QStringDecoder("windows-1252").decode(bytes.mid(12, 1500));
    value.remove(u'\r').remove(u'\n');
    if (const qsizetype bad = firstUnstorable(value); bad >= 0)
        value.truncate(bad);
    (void)document.value(section, key);
    document.setValue(section, key, value);
    if (document.value(section, key) != value.left(IniDocument::maxValueLength))
        std::abort();
    const IniDocument reread(document.toBytes());
    if (reread.value(section, key) != value.left(IniDocument::maxValueLength))
        std::abort();
    return 0;
}
