// Where DrawChart writes each name, and that each name keeps to its box.
#include "print/FittedText.h"
#include "print/Sheet.h"
#include "print/SheetFont.h"

#include "support/Results2010.h"
#include "tournament/RefreshAll.h"

#include <QFontMetricsF>
#include <QRect>
#include <QTest>

namespace {

// "C3" in the slot of group C's third place.
TeamList teamsNamedByPlace()
{
    TeamList teams;
    for (int g = 0; g < 8; ++g)
        for (int p = 1; p <= 4; ++p)
            teams[std::size_t(4 * g + p)] = QChar(u'A' + g) + QString::number(p);
    return teams;
}

// Every knock-out cell and podium place holding its own name: "Qua5", "pod1".
void nameKnockoutCells(Tournament &t)
{
    for (Round r : {Round::QuarterFinals, Round::SemiFinals, Round::ThirdPlace, Round::Final}) {
        CellFamily &team = *t.round(r).team;
        for (int i = team.first(); i <= team.last(); ++i)
            t.setText(team, i, team.name() + QString::number(i));
    }
    for (int place = 1; place <= 4; ++place)
        t.setText(t.podium(), place, QStringLiteral("pod") + QString::number(place));
}

QList<SheetText> textsNamed(const Sheet &sheet, const QString &text)
{
    QList<SheetText> found;
    for (const SheetText &s : sheet.texts)
        if (s.text == text)
            found << s;
    return found;
}

QRectF boxOf(const SheetText &s)
{
    // A name's box: its width, one 240-twip row.
    return {double(s.at.x()), double(s.at.y()), double(s.width), 239.0};
}

} // namespace

class TestSheetLayout final : public QObject
{
    Q_OBJECT

private slots:
    void placesEachName_data();
    void placesEachName();
    void drawsCellsAsTheyStand();
    void titleYearFollowsTheChart_data();
    void titleYearFollowsTheChart();
    void captionsFollowTheLanguage_data();
    void captionsFollowTheLanguage();
    void everyName2010FitsItsBoxAlone();
    void fitsANameToItsBox_data();
    void fitsANameToItsBox();
};

void TestSheetLayout::placesEachName_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<QPoint>>("at"); // every place it is written, in order
    QTest::addColumn<bool>("bold");

    auto rows = [](std::initializer_list<QPoint> points) { return QList<QPoint>(points); };
    QTest::newRow("1st of A: group and left round of 16") << "A1" << rows({{950, 680}, {2900, 680}}) << false;
    QTest::newRow("2nd of A: group and right round of 16") << "A2" << rows({{950, 920}, {4550, 920}}) << false;
    QTest::newRow("4th of A: group only") << "A4" << rows({{950, 1400}}) << false;
    QTest::newRow("1st of B after the empty row") << "B1" << rows({{950, 1880}, {4550, 1880}}) << false;
    QTest::newRow("2nd of B beside the 1st of A") << "B2" << rows({{950, 2120}, {2900, 2120}}) << false;
    QTest::newRow("1st of C") << "C1" << rows({{950, 3080}, {2900, 3080}}) << false;
    QTest::newRow("3rd of G") << "G3" << rows({{950, 8360}}) << false;
    QTest::newRow("2nd of G") << "G2" << rows({{950, 8120}, {4550, 8120}}) << false;
    QTest::newRow("1st of H") << "H1" << rows({{950, 9080}, {4550, 9080}}) << false;
    QTest::newRow("2nd of H") << "H2" << rows({{950, 9320}, {2900, 9320}}) << false;
    QTest::newRow("4th of H, last row") << "H4" << rows({{950, 9800}}) << false;
    QTest::newRow("quarter-final 0") << "Qua0" << rows({{6400, 1160}}) << false;
    QTest::newRow("quarter-final 3") << "Qua3" << rows({{6400, 3800}}) << false;
    QTest::newRow("quarter-final 4") << "Qua4" << rows({{6400, 5960}}) << false;
    QTest::newRow("quarter-final 7") << "Qua7" << rows({{6400, 8600}}) << false;
    QTest::newRow("semi-final 1") << "DEM1" << rows({{8300, 2840}}) << false;
    QTest::newRow("semi-final 2") << "DEM2" << rows({{8300, 6920}}) << false;
    QTest::newRow("final 0") << "FIN0" << rows({{10200, 5000}}) << false;
    QTest::newRow("final 1") << "FIN1" << rows({{10200, 5240}}) << false;
    QTest::newRow("third place 1") << "pf1" << rows({{11900, 920}}) << false;
    QTest::newRow("champion") << "pod1" << rows({{11650, 7300}}) << true;
    QTest::newRow("runner-up") << "pod2" << rows({{10400, 7965}}) << true;
    QTest::newRow("third") << "pod3" << rows({{12610, 7965}}) << true;
    QTest::newRow("fourth is not drawn") << "pod4" << rows({}) << true;
}

void TestSheetLayout::placesEachName()
{
    QFETCH(QString, text);
    QFETCH(QList<QPoint>, at);
    QFETCH(bool, bold);

    Tournament t;
    nameKnockoutCells(t);
    const QList<SheetText> found = textsNamed(DrawChart(t, teamsNamedByPlace(), QString()), text);
    QList<QPoint> positions;
    for (const SheetText &s : found) {
        positions << s.at;
        QCOMPARE(s.bold, bold);
    }
    QCOMPARE(positions, at);
}

// Before any score every group has its starting order, so the group column
// and the round-of-16 copies show names while the later rounds show what
// their cells hold; a redraw after scores follows the new order.
void TestSheetLayout::drawsCellsAsTheyStand()
{
    Tournament t;
    nameTeams2010(t);
    t.setReady(true);
    RefreshAll(t);
    TeamList teams;
    ChargeInfo(t, teams);
    const Sheet before = DrawChart(t, teams, QStringLiteral("http://site/"));
    QCOMPARE(before.link, QStringLiteral("http://site/"));
    QCOMPARE(before.year, QStringLiteral("2010"));
    QCOMPARE(textsNamed(before, QStringLiteral("France")).size(), 1); // 4th of A
    QCOMPARE(textsNamed(before, QStringLiteral("Mexico")).size(), 2); // 2nd of A
    // Eight quarter-finalists, four semi-finalists, two finalists, two in
    // the match for third place: all still "-"; the podium is empty.
    QCOMPARE(textsNamed(before, QStringLiteral("-")).size(), 16);
    QCOMPARE(textsNamed(before, QString()).size(), 3);

    enterResults2010(t);
    ChargeInfo(t, teams);
    const Sheet after = DrawChart(t, teams, QString());
    QCOMPARE(textsNamed(after, QStringLiteral("Uruguay")).first().at, QPoint(950, 680));
    QCOMPARE(textsNamed(after, QStringLiteral("France")).first().at, QPoint(950, 1400));
    QCOMPARE(textsNamed(after, QStringLiteral("Spain")).last().at, QPoint(11650, 7300));
}

void TestSheetLayout::titleYearFollowsTheChart_data()
{
    QTest::addColumn<QString>("chart");
    QTest::addColumn<QString>("year");
    QTest::newRow("current") << "VYL2010"
                             << "2010";
    QTest::newRow("past") << "VYL1998"
                          << "1998";
    QTest::newRow("no name yet") << ""
                                 << "2010";
    QTest::newRow("a chart of another name") << "MYCHART"
                                             << "2010";
}

void TestSheetLayout::titleYearFollowsTheChart()
{
    QFETCH(QString, chart);
    QFETCH(QString, year);
    Tournament t;
    t.setChartName(chart);
    QCOMPARE(DrawChart(t, TeamList(), QString()).year, year);
}

void TestSheetLayout::captionsFollowTheLanguage_data()
{
    QTest::addColumn<QString>("headings"); // the message entries as a language file sets them
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("captions"); // groups, third place, the title's two lines
    QTest::newRow("no language file: the design") << ""
                                                  << ""
                                                  << "Groupes|Petite Finale|Coupe du Monde|de Football 1998";
    QTest::newRow("English") << "Groups|Last 16|Quarter-finals|Semi-finals|Final|Third place"
                             << "Football|World Cup %1"
                             << "Groups|Third place|Football|World Cup 1998";
    QTest::newRow("parts left out keep the design") << "Grupos"
                                                    << "Copa Mundial"
                                                    << "Grupos|Petite Finale|Copa Mundial|de Football 1998";
}

void TestSheetLayout::captionsFollowTheLanguage()
{
    QFETCH(QString, headings);
    QFETCH(QString, title);
    QFETCH(QString, captions);
    Tournament t;
    t.setChartName(QStringLiteral("VYL1998"));
    t.messages().set(int(Message::sheetHeadings), headings);
    t.messages().set(int(Message::sheetTitle), title);
    const SheetCaptions c = DrawChart(t, TeamList(), QString()).captions;
    QCOMPARE(QStringList({c.groups, c.thirdPlace, c.titleTop, c.titleBottom}).join(u'|'), captions);
}

// The real 2010 names need no ellipsis, and no box reaches into another.
void TestSheetLayout::everyName2010FitsItsBoxAlone()
{
    Tournament t;
    nameTeams2010(t);
    t.setReady(true);
    RefreshAll(t);
    enterResults2010(t);
    TeamList teams;
    ChargeInfo(t, teams);
    const Sheet sheet = DrawChart(t, teams, QString());
    QCOMPARE(sheet.texts.size(), std::size_t(32 + 16 + 8 + 4 + 2 + 2 + 3));
    for (std::size_t i = 0; i < sheet.texts.size(); ++i) {
        const SheetText &s = sheet.texts[i];
        QVERIFY2(!s.text.isEmpty(), qPrintable(QString::number(i)));
        const FittedText fitted = fitText(s.text, sheetFont(11, s.bold), s.width / 15.0);
        QCOMPARE(fitted.text, s.text);
        for (std::size_t j = i + 1; j < sheet.texts.size(); ++j)
            QVERIFY2(!boxOf(s).intersects(boxOf(sheet.texts[j])), qPrintable(s.text + u'/' + sheet.texts[j].text));
    }
}

void TestSheetLayout::fitsANameToItsBox_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("width"); // of the box, in widths of the name in its own face
    QTest::addColumn<bool>("narrower");
    QTest::addColumn<bool>("shortened");

    QTest::newRow("room to spare") << "Korea Republic" << 1.5 << false << false;
    QTest::newRow("just fits") << "Korea Republic" << 1.0 << false << false;
    QTest::newRow("a narrower face is enough") << "Korea Republic" << 0.95 << true << false;
    QTest::newRow("even narrower is too wide") << "Korea Republic" << 0.5 << true << true;
    QTest::newRow("bold champion") << "Netherlands" << 0.9 << true << false;
}

void TestSheetLayout::fitsANameToItsBox()
{
    QFETCH(QString, name);
    QFETCH(double, width);
    QFETCH(bool, narrower);
    QFETCH(bool, shortened);

    const QFont face = sheetFont(11, QTest::currentDataTag() == QByteArray("bold champion"));
    const double room = QFontMetricsF(face).horizontalAdvance(name) * width;
    const FittedText fitted = fitText(name, face, room);
    QVERIFY(QFontMetricsF(fitted.font).horizontalAdvance(fitted.text) <= room);
    QCOMPARE(fitted.font != face, narrower);
    QCOMPARE(fitted.text != name, shortened);
    if (shortened) {
        QVERIFY(fitted.text.endsWith(QChar(0x2026)));
        // Shortened only as far as needed: one more letter would not fit.
        const QString longer = name.left(fitted.text.size()) + QChar(0x2026);
        QVERIFY(QFontMetricsF(fitted.font).horizontalAdvance(longer) > room);
    }
}

QTEST_MAIN(TestSheetLayout)
#include "tst_sheetlayout.moc"
