#pragma once

#include <QPixmap>

// The pictures of the print window's buttons, drawn at the size asked for.
namespace PrintIcons {

QPixmap redraw(const QSize &size);
QPixmap saveAndOpen(const QSize &size);
QPixmap saveAs(const QSize &size);
QPixmap print(const QSize &size);
QPixmap back(const QSize &size);

} // namespace PrintIcons
