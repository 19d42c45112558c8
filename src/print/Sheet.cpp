#include "print/Sheet.h"

#include <algorithm>
#include <array>

#include "print/SheetGeometry.h"
#include "tournament/MessageTable.h"
#include "tournament/Tournament.h"

namespace {

using namespace sheetGeometry;

int twips(double pixels)
{
    return int(pixels * sheetTwipsPerPixel);
}

SheetText place(const QString &text, int x, int y, const Column &column, bool bold = false)
{
    return {text, {x, y}, twips(nameWidth(column)), bold};
}

// The round-of-16 copies: winners of A, C, E, G and runners-up of B, D, F, H
// on the left; the others on the right, each beside its own group row.
constexpr std::array<int, 8> leftCopies{1, 6, 9, 14, 17, 22, 25, 30};
constexpr std::array<int, 8> rightCopies{2, 5, 10, 13, 18, 21, 26, 29};

// The part of a "|" list that a language file gave, else the catalogue's.
QString part(const MessageTable &messages, Message entry, qsizetype i)
{
    const QString given = messages.at(entry).split(u'|').value(i);
    return given.isEmpty() ? QString::fromUtf16(frenchText(entry)).split(u'|').value(i) : given;
}

SheetCaptions captionsOf(const MessageTable &messages, const QString &year)
{
    SheetCaptions c;
    const std::array<QString *, 6> columns{&c.groups,     &c.roundOf16, &c.quarterFinals,
                                           &c.semiFinals, &c.final,     &c.thirdPlace};
    for (std::size_t i = 0; i < columns.size(); ++i)
        *columns[i] = part(messages, Message::sheetHeadings, qsizetype(i));
    c.titleTop = part(messages, Message::sheetTitle, 0);
    c.titleBottom = part(messages, Message::sheetTitle, 1).replace(QStringLiteral("%1"), year);
    return c;
}

bool isIn(const std::array<int, 8> &copies, int t)
{
    return std::find(copies.begin(), copies.end(), t) != copies.end();
}

void placeColumn(Sheet &sheet, const CellFamily &cells, int x, const std::vector<int> &ys, const Column &column)
{
    for (std::size_t i = 0; i < ys.size(); ++i)
        sheet.texts.push_back(place(cells.text(int(i)), x, ys[i], column));
}

} // namespace

Sheet DrawChart(const Tournament &t, const TeamList &teams, const QString &link)
{
    Sheet sheet;
    sheet.link = link;
    if (!t.rules().isWc32()) {
        sheet.format = std::make_shared<const FormatSheet>(readFormatSheet(t, link));
        return sheet;
    }
    // A past tournament's chart is named after its year, "VYL1998".
    const QString chart = t.chartName();
    const bool pastYear = chart.size() == 7 && chart.startsWith(u"VYL") && chart.mid(3).toInt() > 1900;
    sheet.year = pastYear ? chart.mid(3) : QStringLiteral("2010");
    sheet.captions = captionsOf(t.messages(), sheet.year);

    // 39 rows; every fifth one separates two groups. A slot that is a group
    // winner or runner-up is copied on its own row into the round of 16.
    int slot = 0;
    for (int n = 1; n <= 39; ++n) {
        const int y = firstRowTwips + rowTwips * (n - 1);
        if (n % 5 != 0) {
            ++slot;
            sheet.texts.push_back(place(teams[std::size_t(slot)], 950, y, groups));
        }
        if (isIn(leftCopies, slot))
            sheet.texts.push_back(place(teams[std::size_t(slot)], 2900, y, roundOf16Left));
        if (isIn(rightCopies, slot))
            sheet.texts.push_back(place(teams[std::size_t(slot)], 4550, y, roundOf16Right));
    }

    placeColumn(sheet, *t.round(Round::QuarterFinals).team, 6400, {1160, 1400, 3560, 3800, 5960, 6200, 8360, 8600},
                quarterFinals);
    placeColumn(sheet, *t.round(Round::SemiFinals).team, 8300, {2600, 2840, 6920, 7160}, semiFinals);
    placeColumn(sheet, *t.round(Round::Final).team, 10200, {5000, 5240}, final);
    placeColumn(sheet, *t.round(Round::ThirdPlace).team, 11900, {680, 920}, thirdPlace);

    const CellFamily &podium = t.podium();
    sheet.texts.push_back({podium.text(1), {11650, 7300}, twips(championWidth), true});
    sheet.texts.push_back(place(podium.text(2), 10400, 7965, secondStep, true));
    sheet.texts.push_back(place(podium.text(3), 12610, 7965, thirdStep, true));
    // Every text of the sheet is a team's name, shown in the user's language.
    for (SheetText &text : sheet.texts)
        text.text = t.messages().teamNames().shown(text.text);
    return sheet;
}
