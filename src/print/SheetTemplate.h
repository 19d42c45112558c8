#pragma once

class QPainter;
class QString;
struct SheetCaptions;

// The empty bracket sheet in its own pixels: group column A-H, round of 16
// in numbered pairs, quarter- and semi-finals, final, third-place match,
// podium, the title with the tournament's year and the web link at the foot,
// each caption in the language of `captions`.
void drawSheetTemplate(QPainter &p, const SheetCaptions &captions, const QString &link);
