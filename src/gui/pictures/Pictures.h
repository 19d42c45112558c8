#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// Every picture of the program, drawn at the size its control asks for, one
// file per family; none is read from a file.
namespace Pictures {

// From here until it is called with an empty folder, the pictures asked for
// are kept in `folder` between runs: drawn by the first start of a build,
// read back by the next ones. Meant for the window's start alone: the sizes
// asked for later, while the window is resized, are not worth a file each.
void keepStartPictures(const QString &folder);

// 0 "C+", 1 "TF1", 2 "F2", 3 "F3".
QPixmap broadcasterLogo(int channel, const QSize &size);

// A small view of stadium 0..9, in the order of the match-note fragments:
// Royal Bafokeng, Durban, Ellis Park, Free State, Green Point, Loftus
// Versfeld, Nelson Mandela Bay, Mbombela, Mokaba, Soccer City.
QPixmap stadium(int picture, const QSize &size);
inline constexpr int stadiumCount = 10;

QPixmap partner(const QSize &size);
QPixmap champion(const QSize &size);
// The cup with the year of another tournament.
QPixmap championOf(const QString &year, const QSize &size);

// The knock-out button: 0 leads back to the group tables, 1 to the bracket.
QPixmap knockoutButton(int ico, const QSize &size);

// The calendar's close picture. Its upper part lies under the day list, so
// the button is drawn in the lower part.
QPixmap calendarClose(const QSize &size);

// The author's site, and the print button.
QPixmap website(const QSize &size);
QPixmap printer(const QSize &size);

} // namespace Pictures
