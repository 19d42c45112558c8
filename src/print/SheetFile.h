#pragma once

#include <QImage>
#include <QString>

struct Sheet;

// The sheet as a picture, `scale` picture pixels per sheet pixel.
QImage sheetImage(const Sheet &sheet, int scale);

// Writes the sheet to `path` in the format its extension names: ".bmp"
// (a Windows bitmap) and ".png" as pictures at twice the sheet's size,
// ".pdf" as one A4 landscape page drawn as vectors. The file is replaced
// whole or not at all. Returns an empty text, or why nothing was written.
QString writeSheetFile(const Sheet &sheet, const QString &path);

// Writes `image` to `path` as the picture format its extension names,
// ".bmp" or ".png", replaced whole or not at all. Returns an empty text, or
// why nothing was written.
QString writeImageFile(const QImage &image, const QString &path);
