#pragma once

#include <QSize>

class QPainter;
class QRectF;
struct Sheet;

// The size of the sheet's own pixels: the 2010 one's, or the larger one of
// the other formats.
QSize paintedSize(const Sheet &sheet);

// Draws the sheet, template first and names over it, in the sheet's own
// pixels (923 x 683): a picture, a PDF page and a printed page are the same
// drawing under a different scale, so each stays sharp at its resolution.
void paintSheet(QPainter &p, const Sheet &sheet);

// The same, scaled to fill `target` as far as it can without distortion,
// centred in it.
void paintSheet(QPainter &p, const Sheet &sheet, const QRectF &target);
