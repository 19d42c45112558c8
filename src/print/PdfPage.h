#pragma once

#include <functional>

#include <QString>

#include "print/Paper.h"

class QPainter;
class QRectF;

// Draws one page into `rect`, in the device's pixels.
using DrawPage = std::function<void(QPainter &, const QRectF &rect)>;

// Writes `path` as a PDF of one landscape page of `paper` (10 mm margins) on
// which `draw` paints; what it paints stays vector. The file is replaced
// whole or not at all. Returns an empty text, or why nothing was written.
QString writePdfPage(const QString &path, const DrawPage &draw, Paper paper = Paper::A4);
