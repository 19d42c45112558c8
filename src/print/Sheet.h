#pragma once

#include <memory>
#include <vector>

#include <QPoint>
#include <QSize>
#include <QString>

#include "print/FormatSheet.h"
#include "tournament/TeamList.h"

class Tournament;

// The printed sheet is designed in pixels of a 923 x 683 picture; names are
// placed in twips at 15 twips per pixel, as the chart's controls are.
constexpr QSize sheetSize(923, 683);
constexpr int sheetTwipsPerPixel = 15;

// One name written on the sheet: its top-left corner and the width of the
// box it must stay in, both in twips.
struct SheetText
{
    QString text;
    QPoint at;
    int width = 0;
    bool bold = false;

    friend bool operator==(const SheetText &, const SheetText &) = default;
};

// The template's own words, in the language of the names: the column
// headings and the title's two lines, the year in the second. Each part a
// language file leaves out is the catalogue's French.
struct SheetCaptions
{
    QString groups;
    QString roundOf16;
    QString quarterFinals;
    QString semiFinals;
    QString final;
    QString thirdPlace;
    QString titleTop;
    QString titleBottom;
};

// What a redraw puts on the template: the names, the captions with the
// year of the tournament in the title, and the web link printed at the foot.
// A chart of another format than the 32-team World Cup has a sheet of its
// own, drawn from `format` instead.
struct Sheet
{
    std::vector<SheetText> texts;
    QString year;
    SheetCaptions captions;
    QString link;
    std::shared_ptr<const FormatSheet> format;
};

// DrawChart's placement: the groups in place order from the team list, the
// round-of-16 copies of the first two of each group straight from that
// order, then the knock-out cells as they stand, placeholders included, and
// the podium in bold. Names and captions are in the language of the
// chart's message table. For the other formats, the sheet of their own
// read from the chart (the team list is the 2010 chart's and goes unused).
Sheet DrawChart(const Tournament &t, const TeamList &teams, const QString &link);
