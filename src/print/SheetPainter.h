#pragma once

class QPainter;
class QRectF;
struct Sheet;

// Draws the sheet, template first and names over it, in the sheet's own
// pixels (923 x 683): a picture, a PDF page and a printed page are the same
// drawing under a different scale, so each stays sharp at its resolution.
void paintSheet(QPainter &p, const Sheet &sheet);

// The same, scaled to fill `target` as far as it can without distortion,
// centred in it.
void paintSheet(QPainter &p, const Sheet &sheet, const QRectF &target);
