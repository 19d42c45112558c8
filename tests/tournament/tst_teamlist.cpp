// The team list read from the rows the team cells stand on.
#include "tournament/TeamList.h"
#include "tournament/Tournament.h"

#include "support/Words.h"

#include <QTest>

class TestTeamList final : public QObject
{
    Q_OBJECT

private slots:
    void followsTheRows_data()
    {
        QTest::addColumn<QList<int>>("rows"); // of slots 1..4 of group C
        QTest::addColumn<QStringList>("expected"); // places 1..4 of group C
        QTest::newRow("slot order") << QList<int>{690, 945, 1380, 1635}
                                    << words("Uruguay Mexique France Chine");
        QTest::newRow("reversed") << QList<int>{1635, 1380, 945, 690}
                                  << words("Chine France Mexique Uruguay");
        // A cell at no place row leaves its slot as it was.
        QTest::newRow("cell between rows") << QList<int>{700, 945, 1380, 1635}
                                           << words("earlier Mexique France Chine");
    }

    void followsTheRows()
    {
        QFETCH(QList<int>, rows);
        QFETCH(QStringList, expected);
        Tournament t;
        CellFamily &team = *t.group(GroupId::C).team;
        const QStringList names = words("Uruguay Mexique France Chine");
        for (int slot = 1; slot <= 4; ++slot) {
            t.setText(team, slot, names[slot - 1]);
            t.setRow(team, slot, rows[slot - 1]);
        }
        TeamList list;
        list.fill(QStringLiteral("earlier"));
        ChargeInfo(t, list);
        for (int place = 1; place <= 4; ++place)
            QCOMPARE(list[std::size_t(8 + place)], expected[place - 1]);
    }
};

QTEST_GUILESS_MAIN(TestTeamList)
#include "tst_teamlist.moc"
