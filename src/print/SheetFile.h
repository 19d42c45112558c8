#pragma once

#include <QImage>
#include <QString>

#include "print/Paper.h"

struct Sheet;

// The sheet as a picture, `scale` picture pixels per sheet pixel.
QImage sheetImage(const Sheet &sheet, double scale);

// Writes the sheet to `path` in the format its extension names: ".bmp"
// (a Windows bitmap) and ".png" as pictures at twice the sheet's size for
// A4, larger in proportion for a larger paper, ".pdf" as one landscape page
// of `paper` drawn as vectors. The file is replaced whole or not at all.
// Returns an empty text, or why nothing was written.
QString writeSheetFile(const Sheet &sheet, const QString &path, Paper paper = Paper::A4);

// Writes `image` to `path` as the picture format its extension names,
// ".bmp" or ".png", replaced whole or not at all. Returns an empty text, or
// why nothing was written.
QString writeImageFile(const QImage &image, const QString &path);
