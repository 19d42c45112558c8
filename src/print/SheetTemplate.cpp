#include "print/SheetTemplate.h"

#include <array>

#include <QPainter>
#include <QPainterPath>

#include "print/FittedText.h"
#include "print/Sheet.h"
#include "print/SheetColours.h"
#include "print/SheetFont.h"
#include "print/SheetGeometry.h"

namespace {

using namespace sheetGeometry;
using namespace sheetColours;

// The box of the name placed at `yTwips`.
QRectF box(const Column &c, int yTwips, int rows = 1)
{
    return {c.left, yTwips / double(sheetTwipsPerPixel) - boxAbove, c.right - c.left, rowHeight * rows};
}

int groupRowTwips(int row)
{
    return firstRowTwips + rowTwips * (row - 1);
}

// The row of the group column that team slot t (4g + p) stands on.
int rowOfSlot(int t)
{
    const int g = (t - 1) / 4;
    const int p = (t - 1) % 4 + 1;
    return 5 * g + p;
}

void drawBox(QPainter &p, const QRectF &r, const QColor &fill)
{
    p.setPen(QPen(border, 0.8));
    p.setBrush(fill);
    p.drawRect(r);
}

// A language's heading may be longer than the box the design gives it.
void drawHeading(QPainter &p, const QRectF &r, const QString &text, double pixels = 12)
{
    const FittedText fitted = fitText(text, sheetFont(pixels, true), r.width());
    p.setPen(ink);
    p.setFont(fitted.font);
    p.drawText(r, Qt::AlignCenter, fitted.text);
}

// A round green tag with a white number: the round-of-16 match numbers.
void drawNumberTag(QPainter &p, const QPointF &centre, int number)
{
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawEllipse(centre, 6.5, 6.5);
    p.setPen(Qt::white);
    p.setFont(sheetFont(9.5, true));
    p.drawText(QRectF(centre.x() - 7, centre.y() - 7, 14, 14), Qt::AlignCenter, QString::number(number));
}

void drawArrowHead(QPainter &p, const QPointF &tip, double direction)
{
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip.x() - 3, tip.y() - 4 * direction);
    head.lineTo(tip.x() + 3, tip.y() - 4 * direction);
    head.closeSubpath();
    p.fillPath(head, green);
}

void drawGroups(QPainter &p, const SheetCaptions &c)
{
    drawHeading(p, QRectF(groups.left - 44, 24, groups.right - groups.left + 44, 18), c.groups);
    for (int g = 0; g < 8; ++g) {
        const QRectF block = box(groups, groupRowTwips(5 * g + 1), 4);
        const QRectF letter(16, block.top() + 2, 38, block.height() - 4);
        p.setPen(Qt::NoPen);
        p.setBrush(green);
        p.drawRoundedRect(letter, 5, 5);
        p.setPen(Qt::white);
        p.setFont(sheetFont(26, true));
        p.drawText(letter, Qt::AlignCenter, QString(QChar(u'A' + g)));
        for (int place = 1; place <= 4; ++place)
            drawBox(p, box(groups, groupRowTwips(5 * g + place)), place <= 2 ? Qt::white : shade);
    }
}

// Each pair of boxes is one match of the round of 16, joined by a
// two-headed arrow that carries the match's number; the quarter-final box
// with the same number takes its winner.
void drawRoundOf16(QPainter &p, const SheetCaptions &c)
{
    struct Pair
    {
        const Column *column;
        int upper; // team slots
        int lower;
        int number;
    };
    constexpr std::array<Pair, 8> pairs{{
        {&roundOf16Left, 1, 6, 1},
        {&roundOf16Left, 9, 14, 2},
        {&roundOf16Right, 2, 5, 3},
        {&roundOf16Right, 10, 13, 4},
        {&roundOf16Left, 17, 22, 5},
        {&roundOf16Left, 25, 30, 6},
        {&roundOf16Right, 18, 21, 7},
        {&roundOf16Right, 26, 29, 8},
    }};
    drawHeading(p, QRectF(roundOf16Left.left, 24, roundOf16Right.right - roundOf16Left.left, 18), c.roundOf16);
    for (const Pair &pair : pairs) {
        const QRectF upper = box(*pair.column, groupRowTwips(rowOfSlot(pair.upper)));
        const QRectF lower = box(*pair.column, groupRowTwips(rowOfSlot(pair.lower)));
        drawBox(p, upper, qualifiedFill);
        drawBox(p, lower, qualifiedFill);
        const double x = upper.center().x();
        const QPointF top(x, upper.bottom() + 2);
        const QPointF bottom(x, lower.top() - 2);
        p.setPen(QPen(green, 1.2));
        p.drawLine(top + QPointF(0, 3), bottom - QPointF(0, 3));
        drawArrowHead(p, top, -1);
        drawArrowHead(p, bottom, 1);
        drawNumberTag(p, (top + bottom) / 2, pair.number);
    }
}

void drawQuarterFinals(QPainter &p, const SheetCaptions &c)
{
    // By box, the round-of-16 match whose winner it receives.
    constexpr std::array<int, 8> numbers{1, 2, 5, 6, 3, 4, 7, 8};
    constexpr std::array<int, 8> rows{1160, 1400, 3560, 3800, 5960, 6200, 8360, 8600};
    const QRectF first = box(quarterFinals, rows[0]);
    drawHeading(p, QRectF(quarterFinals.left, first.top() - 19, quarterFinals.right - quarterFinals.left, 18),
                c.quarterFinals);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QRectF r = box(quarterFinals, rows[i]);
        drawBox(p, r, Qt::white);
        drawNumberTag(p, QPointF(quarterFinals.left - 10, r.center().y()), numbers[i]);
    }
}

// Joins each pair of boxes to the box of the next round it feeds.
void drawFeed(QPainter &p, const QRectF &pair, double toX, double toY)
{
    const double midX = (pair.right() + toX) / 2;
    p.setPen(QPen(border, 1));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(pair.right(), pair.center().y());
    path.lineTo(midX, pair.center().y());
    path.lineTo(midX, toY);
    path.lineTo(toX, toY);
    p.drawPath(path);
}

void drawSemiAndFinal(QPainter &p, const SheetCaptions &c)
{
    constexpr std::array<int, 4> semiRows{2600, 2840, 6920, 7160};
    constexpr std::array<int, 4> quarterPairs{1160, 3560, 5960, 8360};
    const QRectF firstSemi = box(semiFinals, semiRows[0]);
    drawHeading(p, QRectF(semiFinals.left, firstSemi.top() - 19, semiFinals.right - semiFinals.left, 18),
                c.semiFinals);
    for (std::size_t k = 0; k < semiRows.size(); ++k) {
        const QRectF semi = box(semiFinals, semiRows[k]);
        drawFeed(p, box(quarterFinals, quarterPairs[k], 2), semiFinals.left, semi.center().y());
        drawBox(p, semi, Qt::white);
    }

    constexpr std::array<int, 2> finalRows{5000, 5240};
    const QRectF firstFinal = box(final, finalRows[0]);
    drawHeading(p, QRectF(final.left, firstFinal.top() - 19, final.right - final.left, 18), c.final, 13);
    for (std::size_t k = 0; k < finalRows.size(); ++k) {
        const QRectF side = box(final, finalRows[k]);
        drawFeed(p, box(semiFinals, semiRows[2 * k], 2), final.left, side.center().y());
        p.setPen(QPen(ink, 1.6));
        p.setBrush(Qt::white);
        p.drawRect(side);
    }

    const QRectF third = box(thirdPlace, 680);
    drawHeading(p, QRectF(thirdPlace.left, third.top() - 19, thirdPlace.right - thirdPlace.left, 18),
                c.thirdPlace);
    drawBox(p, third, Qt::white);
    drawBox(p, box(thirdPlace, 920), Qt::white);
}

void drawPodium(QPainter &p)
{
    struct Step
    {
        const Column *column;
        int nameTwips;
        QColor fill;
        int place;
    };
    const std::array<Step, 3> steps{{
        {&secondStep, 7965, QColor(0xd6, 0xd9, 0xdc), 2},
        {&firstStep, 7300, QColor(0xf2, 0xd3, 0x6b), 1},
        {&thirdStep, 7965, QColor(0xe0, 0xb0, 0x84), 3},
    }};
    constexpr double floor = 594;
    for (const Step &step : steps) {
        // A step begins right under the line its name stands on.
        const double top = step.nameTwips / double(sheetTwipsPerPixel) - boxAbove + rowHeight + 2;
        const QRectF r(step.column->left, top, step.column->right - step.column->left, floor - top);
        p.setPen(QPen(border, 0.8));
        p.setBrush(step.fill);
        p.drawRect(r);
        p.setPen(ink);
        p.setFont(sheetFont(step.place == 1 ? 30 : 24, true));
        p.drawText(r, Qt::AlignCenter, QString::number(step.place));
    }
}

void drawTitleAndLink(QPainter &p, const SheetCaptions &c, const QString &link)
{
    const QRectF title(552, 34, 232, 100);
    p.setPen(ink);
    p.setFont(sheetFont(20, true));
    p.drawText(QRectF(title.left(), title.top(), title.width(), 26), Qt::AlignCenter, c.titleTop);
    p.drawText(QRectF(title.left(), title.top() + 26, title.width(), 26), Qt::AlignCenter, c.titleBottom);
    p.setPen(green);
    p.setFont(sheetFont(12));
    p.drawText(QRectF(title.left(), title.top() + 56, title.width(), 18), Qt::AlignCenter,
               QStringLiteral("Vylora 2010"));

    // The click area of the print window lies over this place.
    const QRectF area(645, 598, 275, 66);
    QFont font = sheetFont(12);
    font.setUnderline(true);
    p.setFont(font);
    p.setPen(linkBlue);
    p.drawText(area, Qt::AlignCenter | Qt::TextWrapAnywhere, link);
}

} // namespace

void drawSheetTemplate(QPainter &p, const SheetCaptions &captions, const QString &link)
{
    p.fillRect(QRectF(0, 0, sheetSize.width(), sheetSize.height()), Qt::white);
    drawGroups(p, captions);
    drawRoundOf16(p, captions);
    drawQuarterFinals(p, captions);
    drawSemiAndFinal(p, captions);
    drawPodium(p);
    drawTitleAndLink(p, captions, link);
}
