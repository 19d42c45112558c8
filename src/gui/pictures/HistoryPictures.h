#pragma once

#include <QPixmap>
#include <QSize>
#include <QStringView>

// The pictures of the past tournaments and of the statistics window.
namespace Pictures {

// The tournament of a chart ("VYL1998" .. "VYL2030", "EURO2016" ..
// "EURO2028"): its year on the colours of the country that holds it. Empty
// for any other chart.
QPixmap tournament(QStringView chartName, const QSize &size);

// Stands in for the podium while no podium place is known.
QPixmap emptyPodium(const QSize &size);

QPixmap closeButton(const QSize &size);

} // namespace Pictures
