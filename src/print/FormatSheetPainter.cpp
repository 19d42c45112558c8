#include "print/FormatSheetPainter.h"

#include <QPainter>
#include <QPainterPath>

#include "print/FittedText.h"
#include "print/FormatSheet.h"
#include "print/SheetColours.h"
#include "print/SheetFont.h"
#include "tournament/Tournament.h"
#include "tournament/TournamentFormat.h"

namespace {

using namespace sheetColours;

constexpr double margin = 8;
constexpr double gap = 8;
constexpr double titleHeight = 30;
constexpr double barHeight = 13;
constexpr double headingHeight = 10;
constexpr double rowHeight = 10;
constexpr double scoreHeight = 9;
constexpr double figureWidth = 20;
constexpr double placeWidth = 10;
constexpr double scoreWidth = 26;
constexpr double blockHeight = barHeight + headingHeight + 4 * rowHeight + 2 + 6 * scoreHeight + 3;
constexpr double textPixels = 8;
constexpr double smallPixels = 7.5;
constexpr double matchRow = 10;
constexpr double tagWidth = 14;
constexpr double goalWidth = 10;
constexpr double captionHeight = 12;

const QRectF linkArea(formatSheetSize.width() - margin - 240, 4, 240, titleHeight - 6);

// Writes `text` in `r`, in a narrower face when it does not fit, else a
// size smaller, and shortened only when even that is too wide: the longest
// names of these boxes ("Bosnia and Herzegovina") are read whole.
void drawFitted(QPainter &p, const QRectF &r, const QString &text, const QFont &font,
                Qt::Alignment align = Qt::AlignLeft)
{
    FittedText fitted = fitText(text, font, r.width());
    if (fitted.text != text) {
        QFont smaller = font;
        smaller.setPixelSize(font.pixelSize() - 1);
        fitted = fitText(text, smaller, r.width());
    }
    p.setFont(fitted.font);
    p.drawText(r, align | Qt::AlignVCenter, fitted.text);
}

void drawBar(QPainter &p, const QRectF &r, const QString &caption)
{
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawRoundedRect(r, 3, 3);
    p.setPen(Qt::white);
    drawFitted(p, r.adjusted(5, 0, -5, 0), caption, sheetFont(10, true));
}

void drawCaption(QPainter &p, const QRectF &r, const QString &caption)
{
    p.setPen(ink);
    drawFitted(p, r, caption, sheetFont(9.5, true), Qt::AlignHCenter);
}

// A table's columns: the place, the team, then points, difference, goals.
struct TableColumns
{
    QRectF place;
    QRectF team;
    std::array<QRectF, 3> figures;
};

TableColumns columnsIn(const QRectF &row, double groupWidth)
{
    TableColumns c;
    c.place = QRectF(row.left(), row.top(), placeWidth, row.height());
    c.team = QRectF(row.left() + placeWidth + groupWidth + 2, row.top(),
                    row.width() - placeWidth - groupWidth - 3 * figureWidth - 4, row.height());
    for (int i = 0; i < 3; ++i)
        c.figures[std::size_t(i)] =
            QRectF(row.right() - (3 - i) * figureWidth, row.top(), figureWidth, row.height());
    return c;
}

void drawHeadings(QPainter &p, const QRectF &row, const QStringList &headings, double groupWidth)
{
    const TableColumns c = columnsIn(row, groupWidth);
    p.setPen(ink);
    const QFont font = sheetFont(smallPixels, true);
    if (groupWidth > 0)
        drawFitted(p, QRectF(c.place.right(), row.top(), groupWidth, row.height()), headings.value(0), font,
                   Qt::AlignHCenter);
    drawFitted(p, c.team, headings.value(1), font);
    for (int i = 0; i < 3; ++i)
        drawFitted(p, c.figures[std::size_t(i)], headings.value(2 + i), font, Qt::AlignHCenter);
}

void drawTableRow(QPainter &p, const QRectF &row, int place, const FormatSheetRow &r, double groupWidth)
{
    if (r.through) {
        p.setPen(Qt::NoPen);
        p.setBrush(qualifiedFill);
        p.drawRect(row);
    }
    const TableColumns c = columnsIn(row, groupWidth);
    p.setPen(Qt::black);
    drawFitted(p, c.place, QString::number(place), sheetFont(smallPixels), Qt::AlignHCenter);
    if (groupWidth > 0)
        drawFitted(p, QRectF(c.place.right(), row.top(), groupWidth, row.height()), r.group, sheetFont(textPixels),
                   Qt::AlignHCenter);
    drawFitted(p, c.team, r.team, sheetFont(textPixels, r.through));
    const std::array<QString, 3> figures{r.points, r.difference, r.goalsFor};
    for (int i = 0; i < 3; ++i)
        drawFitted(p, c.figures[std::size_t(i)], figures[std::size_t(i)], sheetFont(textPixels, i == 0),
                   Qt::AlignHCenter);
}

void drawFrame(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(border, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

void drawGroup(QPainter &p, const QRectF &block, const FormatSheetGroup &group, const QStringList &headings)
{
    drawBar(p, QRectF(block.left(), block.top(), block.width(), barHeight), group.caption);
    const QRectF inner = block.adjusted(2, barHeight, -2, 0);
    drawHeadings(p, QRectF(inner.left(), inner.top(), inner.width(), headingHeight), headings, 0);
    double y = inner.top() + headingHeight;
    for (int place = 1; place <= 4; ++place, y += rowHeight)
        drawTableRow(p, QRectF(inner.left(), y, inner.width(), rowHeight), place,
                     group.table[std::size_t(place - 1)], 0);
    p.setPen(QPen(shade, 0.8));
    p.drawLine(QPointF(inner.left(), y + 1), QPointF(inner.right(), y + 1));
    y += 2;
    const double nameWidth = (inner.width() - scoreWidth) / 2 - 2;
    for (const FormatSheetScore &score : group.scores) {
        p.setPen(Qt::black);
        drawFitted(p, QRectF(inner.left(), y, nameWidth, scoreHeight), score.home, sheetFont(smallPixels),
                   Qt::AlignRight);
        drawFitted(p, QRectF(inner.right() - nameWidth, y, nameWidth, scoreHeight), score.away,
                   sheetFont(smallPixels));
        // An unplayed score is a pair of blanks to fill in by hand.
        const QRectF middle(inner.left() + nameWidth + 2, y + 0.5, scoreWidth, scoreHeight - 1);
        p.setPen(QPen(shade, 0.6));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(middle.left() + 1, middle.top(), 10, middle.height()));
        p.drawRect(QRectF(middle.right() - 11, middle.top(), 10, middle.height()));
        p.setPen(Qt::black);
        drawFitted(p, QRectF(middle.left() + 1, y, 10, scoreHeight), score.homeGoals, sheetFont(smallPixels, true),
                   Qt::AlignHCenter);
        drawFitted(p, QRectF(middle.right() - 11, y, 10, scoreHeight), score.awayGoals,
                   sheetFont(smallPixels, true), Qt::AlignHCenter);
        y += scoreHeight;
    }
    drawFrame(p, block);
}

double drawThirds(QPainter &p, const QRectF &column, const FormatSheet &sheet)
{
    drawBar(p, QRectF(column.left(), column.top(), column.width(), barHeight), sheet.thirdsTitle);
    const QRectF inner = column.adjusted(2, barHeight, -2, 0);
    constexpr double groupWidth = 14;
    drawHeadings(p, QRectF(inner.left(), inner.top(), inner.width(), headingHeight), sheet.headings, groupWidth);
    double y = inner.top() + headingHeight;
    for (std::size_t i = 0; i < sheet.thirds.size(); ++i) {
        if (int(i) == sheet.thirdsThrough) {
            // The line: those above it go through.
            p.setPen(QPen(green, 1.4));
            p.drawLine(QPointF(inner.left(), y + 1.5), QPointF(inner.right(), y + 1.5));
            y += 3;
        }
        drawTableRow(p, QRectF(inner.left(), y, inner.width(), rowHeight), int(i) + 1, sheet.thirds[i],
                     groupWidth);
        y += rowHeight;
    }
    const QRectF frame(column.left(), column.top(), column.width(), y + 3 - column.top());
    drawFrame(p, frame);
    return frame.bottom();
}

// The bracket's shape: each match of the tree at its column and height.
struct Placed
{
    int number;
    QRectF box;
    bool right;
};

class BracketLayout
{
public:
    BracketLayout(const FormatRules &rules, const QRectF &area)
        : m_rules(rules)
        , m_area(area)
    {
        for (Round r : rules.rounds)
            if (r != Round::ThirdPlace && r != Round::Final)
                m_tree.push_back(r);
        m_levels = int(m_tree.size());
        m_pitch = area.width() / (2 * m_levels + 1);
        const BracketMatch &final = rules.matchesOf(Round::Final).front();
        m_leafPitch = (area.height() - captionHeight - 2) / double(rules.matchesOf(m_tree.front()).size() / 2);
        std::array<QRectF, 2> semiFinals;
        for (int side = 0; side < 2; ++side) {
            m_nextLeaf = 0;
            semiFinals[std::size_t(side)] = place(*feeder(final.sides[std::size_t(side)]), 1, side == 1);
        }
        finalBox = boxAt(m_levels, (semiFinals[0].center().y() + semiFinals[1].center().y()) / 2);
        for (const QRectF &semiFinal : semiFinals)
            feeds.emplace_back(semiFinal, finalBox);
    }

    QRectF column(int c) const { return {m_area.left() + c * m_pitch, m_area.top(), m_pitch, m_area.height()}; }
    QRectF boxAt(int c, double centre) const
    {
        const QRectF col = column(c);
        return {col.left() + 3, centre - matchRow, col.width() - 6, 2 * matchRow};
    }
    int levels() const { return m_levels; }
    Round roundAt(int level) const { return m_tree[std::size_t(level)]; }

    std::vector<Placed> placed;                   // every match but the final
    std::vector<std::pair<QRectF, QRectF>> feeds; // from a match to the match it feeds
    QRectF finalBox;

private:
    const BracketMatch *feeder(const BracketSlot &slot) const
    {
        return slot.kind == BracketSlot::Kind::MatchWinner ? m_rules.match(slot.match) : nullptr;
    }

    // The matches feeding `m` first, then `m` between them; a first-round
    // match takes the next place down its half.
    QRectF place(const BracketMatch &m, int depth, bool right)
    {
        const BracketMatch *first = feeder(m.sides[0]);
        const BracketMatch *second = feeder(m.sides[1]);
        const int c = right ? m_levels + depth : m_levels - depth;
        QRectF box;
        if (first && second) {
            const QRectF a = place(*first, depth + 1, right);
            const QRectF b = place(*second, depth + 1, right);
            box = boxAt(c, (a.center().y() + b.center().y()) / 2);
            feeds.emplace_back(a, box);
            feeds.emplace_back(b, box);
        } else {
            box = boxAt(c, m_area.top() + captionHeight + 2 + (m_nextLeaf + 0.5) * m_leafPitch);
            m_nextLeaf += 1;
        }
        placed.push_back({m.number, box, right});
        return box;
    }

    const FormatRules &m_rules;
    QRectF m_area;
    std::vector<Round> m_tree;
    int m_levels = 0;
    double m_pitch = 0;
    double m_leafPitch = 0;
    double m_nextLeaf = 0;
};

// A match: its number on a green tab on the outer side, then each side's
// team (or where it comes from, in grey), goals and shoot-out.
void drawMatch(QPainter &p, const QRectF &box, int number, bool tabRight, const FormatSheetMatch &match,
               bool final = false)
{
    p.setPen(QPen(final ? ink : border, final ? 1.6 : 0.8));
    p.setBrush(Qt::white);
    p.drawRect(box);
    const QRectF tab = tabRight ? QRectF(box.right() - tagWidth, box.top(), tagWidth, box.height())
                                : QRectF(box.left(), box.top(), tagWidth, box.height());
    p.fillRect(tab, green);
    p.setPen(Qt::white);
    drawFitted(p, tab, QString::number(number), sheetFont(6.5, true), Qt::AlignHCenter);
    const double left = tabRight ? box.left() : tab.right();
    const double width = box.width() - tagWidth;
    p.setPen(QPen(shade, 0.6));
    p.drawLine(QPointF(left, box.center().y()), QPointF(left + width, box.center().y()));
    for (int s = 0; s < 2; ++s) {
        const FormatSheetSide &side = match.sides[std::size_t(s)];
        const double top = box.top() + s * matchRow;
        const QRectF team(left + 2, top, width - 2 * goalWidth - 4, matchRow);
        if (side.team.isEmpty()) {
            p.setPen(Qt::gray);
            drawFitted(p, team, side.origin, sheetFont(smallPixels));
        } else {
            p.setPen(Qt::black);
            drawFitted(p, team, side.team, sheetFont(textPixels, side.won));
        }
        p.setPen(Qt::black);
        drawFitted(p, QRectF(team.right(), top, goalWidth, matchRow), side.goals, sheetFont(textPixels, true),
                   Qt::AlignHCenter);
        if (!side.penalties.isEmpty())
            drawFitted(p, QRectF(team.right() + goalWidth, top, goalWidth, matchRow),
                       QStringLiteral("(%1)").arg(side.penalties), sheetFont(6.5), Qt::AlignHCenter);
    }
}

void drawFeed(QPainter &p, const QRectF &from, const QRectF &to)
{
    const bool rightward = from.center().x() < to.center().x();
    const double startX = rightward ? from.right() : from.left();
    const double endX = rightward ? to.left() : to.right();
    const double midX = (startX + endX) / 2;
    QPainterPath path;
    path.moveTo(startX, from.center().y());
    path.lineTo(midX, from.center().y());
    path.lineTo(midX, to.center().y());
    path.lineTo(endX, to.center().y());
    p.setPen(QPen(border, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// Under the final the match for third place, over it the podium.
void drawMiddle(QPainter &p, const BracketLayout &layout, const FormatSheet &sheet)
{
    const QRectF final = layout.finalBox;
    drawCaption(p, QRectF(final.left(), final.top() - captionHeight - 1, final.width(), captionHeight),
                sheet.roundNames[std::size_t(Round::Final)]);
    const FormatRules &rules = *sheet.rules;
    drawMatch(p, final, rules.matchesOf(Round::Final).front().number, false,
              sheet.matches.value(rules.matchesOf(Round::Final).front().number), true);
    if (!rules.matchesOf(Round::ThirdPlace).empty()) {
        const int number = rules.matchesOf(Round::ThirdPlace).front().number;
        const QRectF caption(final.left(), final.bottom() + 10, final.width(), captionHeight);
        drawCaption(p, caption, sheet.roundNames[std::size_t(Round::ThirdPlace)]);
        drawMatch(p, QRectF(final.left(), caption.bottom() + 1, final.width(), 2 * matchRow), number, false,
                  sheet.matches.value(number));
    }
    const std::array<QColor, 4> medals{QColor(0xf2, 0xd3, 0x6b), QColor(0xd6, 0xd9, 0xdc),
                                       QColor(0xe0, 0xb0, 0x84), Qt::white};
    const double podiumHeight = captionHeight + 1 + sheet.podium.size() * (matchRow + 1);
    double y = final.top() - captionHeight - 10 - podiumHeight;
    drawCaption(p, QRectF(final.left(), y, final.width(), captionHeight), sheet.podiumName);
    y += captionHeight + 1;
    for (int place = 0; place < sheet.podium.size(); ++place, y += matchRow + 1) {
        const QRectF row(final.left(), y, final.width(), matchRow);
        p.setPen(QPen(border, 0.6));
        p.setBrush(medals[std::size_t(place)]);
        p.drawRect(row);
        p.setPen(ink);
        drawFitted(p, QRectF(row.left(), y, tagWidth, matchRow), QString::number(place + 1), sheetFont(7.5, true),
                   Qt::AlignHCenter);
        p.setPen(Qt::black);
        drawFitted(p, row.adjusted(tagWidth + 2, 0, -2, 0), sheet.podium[place],
                   sheetFont(textPixels, place == 0));
    }
}

void drawBracket(QPainter &p, const QRectF &area, const FormatSheet &sheet)
{
    const BracketLayout layout(*sheet.rules, area);
    for (int level = 0; level < layout.levels(); ++level)
        for (int c : {level, 2 * layout.levels() - level})
            drawCaption(p, layout.column(c).adjusted(2, 0, -2, 0).adjusted(0, 0, 0, captionHeight - area.height()),
                        sheet.roundNames[std::size_t(layout.roundAt(level))]);
    for (const auto &[from, to] : layout.feeds)
        drawFeed(p, from, to);
    for (const Placed &m : layout.placed)
        drawMatch(p, m.box, m.number, m.right, sheet.matches.value(m.number));
    drawMiddle(p, layout, sheet);
}

void drawTitle(QPainter &p, const FormatSheet &sheet)
{
    const QRectF band(margin, 2, formatSheetSize.width() - 2 * margin, titleHeight - 2);
    p.setPen(green);
    p.setFont(sheetFont(12, true));
    p.drawText(QRectF(band.left(), band.top(), 200, band.height()), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Vylora 2010"));
    p.setPen(ink);
    // The title's middle stays clear of the name on the left and the link
    // on the right.
    const double half = std::min(band.center().x() - band.left() - 110, linkArea.left() - 6 - band.center().x());
    const QRectF title(band.center().x() - half, band.top(), 2 * half, band.height());
    const QString line = sheet.title.join(u' ');
    const QString joined =
        sheet.title.size() == 2 && sheet.title[0].endsWith(u'-') ? sheet.title[0] + sheet.title[1] : line;
    drawFitted(p, title, joined, sheetFont(18, true), Qt::AlignHCenter);
    QFont font = sheetFont(10);
    font.setUnderline(true);
    p.setPen(linkBlue);
    drawFitted(p, linkArea, sheet.link, font, Qt::AlignRight);
}

} // namespace

void paintFormatSheet(QPainter &p, const FormatSheet &sheet)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(formatSheetSize)), Qt::white);
    drawTitle(p, sheet);

    const int groups = int(sheet.groups.size());
    const int columns = groups > 8 ? 4 : 3;
    const int rows = (groups + columns - 1) / columns;
    const double width = (formatSheetSize.width() - 2 * margin - columns * gap) / (columns + 1);
    for (int i = 0; i < groups; ++i) {
        const QRectF block(margin + (i % columns) * (width + gap),
                           titleHeight + (i / columns) * (blockHeight + gap), width, blockHeight);
        drawGroup(p, block, sheet.groups[std::size_t(i)], sheet.headings);
    }
    drawThirds(p, QRectF(margin + columns * (width + gap), titleHeight, width, 0), sheet);

    const double top = titleHeight + rows * (blockHeight + gap);
    drawBracket(p,
                QRectF(margin, top, formatSheetSize.width() - 2 * margin, formatSheetSize.height() - margin - top),
                sheet);
    p.restore();
}

QRectF formatSheetLinkArea()
{
    return linkArea;
}
