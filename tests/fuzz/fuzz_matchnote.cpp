// Any text as the note of a match, taken apart for the information panel.
#include <cstdint>

#include <QStringDecoder>

#include "schedule/MatchInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString note = QStringDecoder("windows-1252").decode(QByteArrayView(data, qsizetype(size)));
    const MatchInfo info = parseMatchInfo(note);
    (void)info.hasText();
    return 0;
}
