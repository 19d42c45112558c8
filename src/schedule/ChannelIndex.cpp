#include "schedule/ChannelIndex.h"

int ChannelIndexOf(const QString &text)
{
    int channel = 0;
    if (text.contains(QStringLiteral("TF1")))
        channel = 1;
    if (text.contains(QStringLiteral("F2")))
        channel = 2;
    if (text.contains(QStringLiteral("F3")))
        channel = 3;
    if (text.contains(QStringLiteral("C+")))
        channel = 0;
    return channel;
}
