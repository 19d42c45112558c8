#include <bit>

#include <QtTest>

#include "tournament/Tournament.h"

// The official tables that place the best thirds, checked row by row: the
// copies in circulation have missing rows, a group placed twice, columns
// under the wrong match.
class TestThirdsTables final : public QObject
{
    Q_OBJECT

private slots:
    void everyRowPlacesEachThirdOnceWithinItsPool_data();
    void everyRowPlacesEachThirdOnceWithinItsPool();
    void theRealTournamentsRows_data();
    void theRealTournamentsRows();
};

namespace {

// The third-placed slot of the match that winner `group` plays.
const BracketSlot *thirdFacing(const FormatRules &rules, int group)
{
    for (const BracketMatch &m : rules.bracket)
        for (int s = 0; s < 2; ++s)
            if (m.sides[std::size_t(s)].kind == BracketSlot::Kind::Winner &&
                m.sides[std::size_t(s)].group == group &&
                m.sides[std::size_t(1 - s)].kind == BracketSlot::Kind::Third)
                return &m.sides[std::size_t(1 - s)];
    return nullptr;
}

int combinations(int n, int k)
{
    return k == 0 ? 1 : combinations(n - 1, k - 1) * n / k;
}

} // namespace

void TestThirdsTables::everyRowPlacesEachThirdOnceWithinItsPool_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("firstMatch");
    QTest::newRow("World Cup 2026") << int(FormatId::Wc48) << 2026 << 73;
    QTest::newRow("Euro 2016") << int(FormatId::Euro24) << 2016 << 37;
    QTest::newRow("Euro 2020") << int(FormatId::Euro24) << 2020 << 37;
    QTest::newRow("Euro 2024") << int(FormatId::Euro24) << 2024 << 37;
}

void TestThirdsTables::everyRowPlacesEachThirdOnceWithinItsPool()
{
    QFETCH(int, format);
    QFETCH(int, year);
    QFETCH(int, firstMatch);
    const FormatRules &rules = formatRules(FormatId(format), year);

    QCOMPARE(rules.thirds.thirdOfWinners.size(), combinations(rules.groups, rules.thirdsThrough));
    QCOMPARE(int(rules.thirds.winners.size()), rules.thirdsThrough);
    for (auto row = rules.thirds.thirdOfWinners.cbegin(); row != rules.thirds.thirdOfWinners.cend(); ++row) {
        QCOMPARE(std::popcount(row.key()), rules.thirdsThrough);
        quint16 placed = 0;
        for (std::size_t column = 0; column < row->size(); ++column) {
            const int third = (*row)[column];
            const BracketSlot *slot = thirdFacing(rules, rules.thirds.winners[column]);
            QVERIFY(slot);
            QVERIFY2(slot->pool & (1u << third), qPrintable(slot->code()));
            placed |= quint16(1u << third);
        }
        QCOMPARE(placed, row.key());
    }

    // A bracket of every match once, each fed by earlier ones.
    int sides = 0;
    for (Round r : rules.rounds)
        sides += roundSides(r);
    QCOMPARE(int(rules.bracket.size()) * 2, sides);
    QCOMPARE(rules.bracket.front().number, firstMatch);
    for (const BracketMatch &m : rules.bracket)
        for (const BracketSlot &side : m.sides)
            if (side.kind == BracketSlot::Kind::MatchWinner || side.kind == BracketSlot::Kind::MatchLoser)
                QVERIFY(side.match >= firstMatch && side.match < m.number);
}

void TestThirdsTables::theRealTournamentsRows_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("through");
    QTest::addColumn<QString>("winner");
    QTest::addColumn<QString>("third");

    QTest::newRow("2026: Germany (1E) v Paraguay (3D)") << int(FormatId::Wc48) << 2026 << "BDEFIJKL"
                                                        << "E"
                                                        << "D";
    QTest::newRow("2026: France (1I) v Sweden (3F)") << int(FormatId::Wc48) << 2026 << "BDEFIJKL"
                                                     << "I"
                                                     << "F";
    QTest::newRow("2016: Croatia (1D) v Portugal (3F)") << int(FormatId::Euro24) << 2016 << "BCEF"
                                                        << "D"
                                                        << "F";
    QTest::newRow("2024: England (1C) v Slovakia (3E)") << int(FormatId::Euro24) << 2024 << "CDEF"
                                                        << "C"
                                                        << "E";
}

void TestThirdsTables::theRealTournamentsRows()
{
    QFETCH(int, format);
    QFETCH(int, year);
    QFETCH(QString, through);
    QFETCH(QString, winner);
    QFETCH(QString, third);
    const FormatRules &rules = formatRules(FormatId(format), year);
    quint16 set = 0;
    for (QChar g : through)
        set |= quint16(1u << (g.unicode() - u'A'));
    const int column =
        int(std::find(rules.thirds.winners.begin(), rules.thirds.winners.end(), winner[0].unicode() - u'A') -
            rules.thirds.winners.begin());
    QCOMPARE(rules.thirds.thirdFacing(set, column), std::optional<int>(third[0].unicode() - u'A'));
}

QTEST_GUILESS_MAIN(TestThirdsTables)
#include "tst_thirdstables.moc"
