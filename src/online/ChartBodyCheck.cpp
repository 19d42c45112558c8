#include "online/ChartBodyCheck.h"

#include "storage/ChartFile.h"

bool holdsChart(const QByteArray &bytes)
{
    if (bytes.contains('\0') || bytes.trimmed().startsWith('<'))
        return false;
    return isChartFile(bytes);
}
