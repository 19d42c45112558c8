#include <QtTest>

#include "tournament/FormatStage.h"
#include "tournament/GroupStage.h"
#include "tournament/RefreshAll.h"
#include "tournament/Tournament.h"

// One group of a chart ranked by its format's criteria, the six matches in
// the fixtures' order (1v2, 3v4, 1v3, 4v2, 4v1, 2v3).
class TestFormatRanking final : public QObject
{
    Q_OBJECT

private slots:
    void ranksByTheEditionsCriteria_data();
    void ranksByTheEditionsCriteria();
    void thirdsRankByTheirOwnCriteria_data();
    void thirdsRankByTheirOwnCriteria();
    void anEditShowsWhatAFullRefreshShows_data();
    void anEditShowsWhatAFullRefreshShows();
};

namespace {

void type(Tournament &t, GroupId g, const char *scoreText, const char *conductText = "", int marked = 0)
{
    const QString scores = QString::fromLatin1(scoreText);
    const QString conduct = QString::fromLatin1(conductText);
    const QStringList matches = scores.split(u' ', Qt::SkipEmptyParts);
    for (int m = 0; m < matches.size(); ++m) {
        const QStringList goals = matches[m].split(u'-');
        t.setText(*t.group(g).score, 2 * m, goals[0]);
        t.setText(*t.group(g).score, 2 * m + 1, goals[1]);
    }
    const QStringList points = conduct.split(u' ', Qt::SkipEmptyParts);
    for (int slot = 1; slot <= points.size(); ++slot)
        t.setText(*t.group(g).conduct, slot, points[slot - 1] == u"." ? QString() : points[slot - 1]);
    if (marked)
        t.setTag(*t.group(g).team, marked, QStringLiteral("1"));
}

// "3 1 | 2 4": slots by place, "|" where two places are level.
QString placesOf(const FormatGroup &group)
{
    QString text;
    for (int place = 1; place <= 4; ++place) {
        text += QString::number(group.slotAt(place));
        if (place < 4)
            text +=
                group.ranked.levelWithNext(std::size_t(place - 1)) ? QStringLiteral(" | ") : QStringLiteral(" ");
    }
    return text;
}

// Every property of every cell, one line a cell.
QStringList shown(const Tournament &t)
{
    QStringList lines;
    for (const CellFamily &f : t.families())
        for (int i = f.first(); i <= f.last(); ++i)
            lines << QStringLiteral("%1 %2: %3 %4 %5 %6 %7 %8")
                         .arg(f.name())
                         .arg(i)
                         .arg(f[i].text, f[i].tag)
                         .arg(f[i].textColour)
                         .arg(f[i].background)
                         .arg(f[i].bold)
                         .arg(f[i].row);
    return lines;
}

enum class Edit { Score, Conduct, DrawMark, UndoneThenElsewhere };

} // namespace

Q_DECLARE_METATYPE(Edit)

void TestFormatRanking::ranksByTheEditionsCriteria_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("scores");
    QTest::addColumn<QString>("conduct");
    QTest::addColumn<int>("marked");
    QTest::addColumn<QString>("places");

    // 1 and 2 on 6 points; 2 has the better difference, 1 won their match.
    QTest::newRow("head-to-head before the difference") << 2026 << "1-0 0-1 0-1 0-5 0-5 5-0"
                                                        << "" << 0 << "1 2 4 3";
    // 1, 3 and 4 beat 2 and each other once: their mini-table puts 1 last
    // on goals and leaves 3 and 4 level, whose own match (a win for 3)
    // decides; the overall figures would leave them level.
    QTest::newRow("head-to-head again for the two still level") << 2024 << "1-0 2-1 1-0 1-0 1-0 0-1"
                                                                << "" << 0 << "3 4 1 2";
    // 3 and 4 level on everything but conduct.
    QTest::newRow("conduct after the goals") << 2026 << "2-0 1-1 1-0 1-0 0-1 0-1"
                                             << ". . 5 3" << 0 << "1 4 3 2";
    QTest::newRow("no conduct figure for one: level") << 2026 << "2-0 1-1 1-0 1-0 0-1 0-1"
                                                      << ". . 5 ." << 0 << "1 3 | 4 2";
    QTest::newRow("the mark decides what is left") << 2026 << "2-0 1-1 1-0 1-0 0-1 0-1"
                                                   << "" << 4 << "1 4 3 2";
    // Euro 2024 group E: four teams on 4 points (Belgium, Slovakia,
    // Romania, Ukraine), Romania first on goals.
    QTest::newRow("four-way tie") << 2024 << "0-1 3-0 2-0 2-1 0-0 1-1"
                                  << "" << 0 << "3 1 2 4";
    QTest::newRow("four teams level on everything") << 2024 << "1-1 1-1 1-1 1-1 1-1 1-1"
                                                    << "" << 0 << "1 | 2 | 3 | 4";
    // 2 and 3, alone on 4 points, drew the last round: the 2016 shoot-out,
    // marked, outranks the conduct; from 2020 the wins come between.
    QTest::newRow("2016: the shoot-out before conduct") << 2016 << "0-1 0-1 0-1 1-0 3-0 0-0"
                                                        << "5 5 1 5" << 2 << "4 2 3 1";
    QTest::newRow("2020: conduct when no shoot-out is marked") << 2020 << "0-1 0-1 0-1 1-0 3-0 0-0"
                                                               << "5 5 1 5" << 0 << "4 3 2 1";
}

void TestFormatRanking::ranksByTheEditionsCriteria()
{
    QFETCH(int, year);
    QFETCH(QString, scores);
    QFETCH(QString, conduct);
    QFETCH(int, marked);
    QFETCH(QString, places);

    const FormatId id = year == 2026 ? FormatId::Wc48 : FormatId::Euro24;
    Tournament t(formatRules(id, year));
    type(t, GroupId::A, qPrintable(scores), qPrintable(conduct), marked);
    QCOMPARE(placesOf(formatGroup(t, GroupId::A)), places);
}

void TestFormatRanking::thirdsRankByTheirOwnCriteria_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("bestThirds");

    // The thirds of D, E and F go through on goal difference; those of A,
    // B and C end on 3 points, 2 goals for and 2 against: A's with a win,
    // B's and C's with three draws, B's with the fewest points lost to cards.
    QTest::newRow("Euro 2016: conduct") << 2016 << "BDEF";
    QTest::newRow("Euro 2024: wins before conduct") << 2024 << "ADEF";
}

void TestFormatRanking::thirdsRankByTheirOwnCriteria()
{
    QFETCH(int, year);
    QFETCH(QString, bestThirds);

    Tournament t(formatRules(FormatId::Euro24, year));
    t.setReady(true);
    // Slot 3 ends third in every group.
    type(t, GroupId::A, "2-1 2-0 1-0 0-1 0-1 1-0", ". . 3 .");
    type(t, GroupId::B, "2-1 1-1 0-0 0-1 0-1 1-1", ". . 1 .");
    type(t, GroupId::C, "2-1 1-1 0-0 0-1 0-1 1-1", ". . 2 .");
    for (GroupId g : {GroupId::D, GroupId::E, GroupId::F})
        type(t, g, "1-1 5-0 1-0 0-1 1-0 1-0");
    RefreshAll(t);
    const ThirdsStanding thirds = thirdsStanding(t, formatGroups(t));
    QString letters;
    for (int g = 0; g < 6; ++g)
        if (thirds.qualifying() & (1u << g))
            letters += QChar(u'A' + g);
    QCOMPARE(letters, bestThirds);
}

void TestFormatRanking::anEditShowsWhatAFullRefreshShows_data()
{
    QTest::addColumn<QString>("groupA");
    QTest::addColumn<Edit>("edit");

    // Group A's third goes from last of the thirds to the best of them.
    QTest::newRow("a score") << "1-0 1-0 1-0 0-1 0-1 1-0" << Edit::Score;
    // 3 and 4 level on everything, their own match drawn.
    QTest::newRow("conduct points") << "1-0 0-0 1-0 0-1 0-1 1-0" << Edit::Conduct;
    QTest::newRow("a draw mark") << "1-0 0-0 1-0 0-1 0-1 1-0" << Edit::DrawMark;
    QTest::newRow("a score undone, then one in another group")
        << "1-0 1-0 1-0 0-1 0-1 1-0" << Edit::UndoneThenElsewhere;
}

// A keystroke ranks its own group again and reads the others as they were
// last ranked; what it shows must be what ranking every group afresh shows.
void TestFormatRanking::anEditShowsWhatAFullRefreshShows()
{
    QFETCH(QString, groupA);
    QFETCH(Edit, edit);

    Tournament t(formatRules(FormatId::Wc48));
    t.setReady(true);
    RefreshAll(t);
    // Slot 3 ends third in every group, each third's difference its own.
    for (GroupId g : t.groupIds())
        type(t, g, qPrintable(QStringLiteral("1-0 %1-0 1-0 0-1 0-1 1-0").arg(groupIndex(g) + 1)));
    type(t, GroupId::A, qPrintable(groupA));
    const GroupCells &a = t.group(GroupId::A);
    const Tournament::CellsPicture before = t.cells();
    const QStringList unedited = shown(t);
    switch (edit) {
    case Edit::Score:
        t.setText(*a.score, 2, QStringLiteral("9"));
        break;
    case Edit::Conduct:
        t.setText(*a.conduct, 3, QStringLiteral("5"));
        t.setText(*a.conduct, 4, QStringLiteral("1"));
        break;
    case Edit::DrawMark: // as drawing lots marks it, the notice shown
        t.setTag(*a.team, 4, QStringLiteral("1"));
        ComputeGroupStandings(t, GroupId::A);
        break;
    case Edit::UndoneThenElsewhere:
        t.setText(*a.score, 2, QStringLiteral("9"));
        t.restoreCells(before);
        t.setText(*t.group(GroupId::B).score, 0, QStringLiteral("2"));
        break;
    }
    QVERIFY(shown(t) != unedited);

    Tournament afresh(formatRules(FormatId::Wc48));
    afresh.restoreCells(t.cells());
    afresh.setReady(true);
    RefreshAll(afresh);
    QCOMPARE(shown(t), shown(afresh));
}

QTEST_GUILESS_MAIN(TestFormatRanking)
#include "tst_formatranking.moc"
