#pragma once

#include <QString>

class QTextStream;

// "vylora --sheet OUT [--chart FILE] [--paper a4|a3]": loads the chart file,
// of any format, as the window loads a whole chart, draws its sheet as the
// print window does, and writes it into OUT in the format of its extension
// (.bmp, .png, .pdf) for the paper named by `paperName`, with `link` as the
// web link on it, in the language of `languageFile` (French when empty, as
// the window without one). Needs a GUI application for the fonts, but no
// window. Returns 0, or 1 with the reason on err.
int runSheetCommand(const QString &out, const QString &chart, const QString &link, const QString &languageFile,
                    QTextStream &err, const QString &paperName = QStringLiteral("a4"));
