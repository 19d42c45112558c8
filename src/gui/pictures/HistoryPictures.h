#pragma once

#include <QPixmap>
#include <QSize>

// The pictures of the past tournaments and of the statistics window.
namespace Pictures {

// The tournament of year-list entry 1 (1998) .. 7 (2022): its year on the
// colours of the country that held it. Empty for any other entry.
QPixmap tournament(int entry, const QSize &size);

// Stands in for the podium while no podium place is known.
QPixmap emptyPodium(const QSize &size);

QPixmap closeButton(const QSize &size);

} // namespace Pictures
