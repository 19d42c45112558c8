#pragma once

#include <QString>

class QTextStream;

// "vylora --sheet OUT [--chart FILE]": loads the chart file as the window
// loads a whole chart, places the names as the print window does, and
// writes the sheet into OUT in the format of its extension (.bmp, .png,
// .pdf), with `link` as the web link at its foot, in the language of
// `languageFile` (French when empty, as the window without one). Needs a GUI
// application for the fonts, but no window. Returns 0, or 1 with the reason
// on err.
int runSheetCommand(const QString &out, const QString &chart, const QString &link, const QString &languageFile,
                    QTextStream &err);
