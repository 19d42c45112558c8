#pragma once

#include <initializer_list>

#include <QFile>

#include "storage/IniDocument.h"

// The charts the program ships, as files of the source tree: the whole
// 2010 chart a server publishes, and the past tournaments'.
inline QByteArray shippedChart(const QString &fileName)
{
    QFile file(QStringLiteral(VYLORA_DATA_DIR "/") + fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct ChartValue
{
    const char *section;
    int key;
    const char *value; // UTF-8
};

// The shipped 2010 chart with the values given in place of its own.
inline QByteArray wholeChart2010(std::initializer_list<ChartValue> values = {})
{
    IniDocument chart(shippedChart(QStringLiteral("VYL2010.ini")));
    for (const ChartValue &v : values)
        chart.setValue(QString::fromUtf8(v.section), QString::number(v.key), QString::fromUtf8(v.value));
    return chart.toBytes();
}
