// Which changes of the chart leave predictions to be saved.
#include <QTest>

#include "app/ChartChanges.h"
#include "tournament/Tournament.h"

class TestChartChanges final : public QObject
{
    Q_OBJECT

private slots:
    void changes_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("property");
        QTest::addColumn<bool>("unsaved");
        QTest::newRow("group score") << QStringLiteral("ButC") << 3 << QStringLiteral("text") << true;
        QTest::newRow("team name") << QStringLiteral("E") << 2 << QStringLiteral("text") << true;
        QTest::newRow("draw mark") << QStringLiteral("H") << 4 << QStringLiteral("tag") << true;
        QTest::newRow("round-of-16 goals") << QStringLiteral("Buthui") << 15 << QStringLiteral("text") << true;
        QTest::newRow("final penalties") << QStringLiteral("ButPenFIN") << 1 << QStringLiteral("text") << true;
        QTest::newRow("help page example") << QStringLiteral("Buthui") << 16 << QStringLiteral("text") << false;
        QTest::newRow("computed points") << QStringLiteral("PTs") << 1 << QStringLiteral("text") << false;
        QTest::newRow("computed bracket team") << QStringLiteral("Qua") << 0 << QStringLiteral("text") << false;
        QTest::newRow("row moved by the table") << QStringLiteral("A") << 1 << QStringLiteral("row") << false;
        QTest::newRow("score tooltip") << QStringLiteral("ButA") << 0 << QStringLiteral("tooltip") << false;
    }

    void changes()
    {
        QFETCH(QString, family);
        QFETCH(int, index);
        QFETCH(QString, property);
        QFETCH(bool, unsaved);
        Tournament t;
        ChartChanges changes(t);
        CellFamily &cells = t.family(family);
        if (property == u"text")
            t.setText(cells, index, QStringLiteral("7"));
        else if (property == u"tag")
            t.setTag(cells, index, QStringLiteral("1"));
        else if (property == u"row")
            t.setRow(cells, index, 1635);
        else
            t.setToolTip(cells, index, QStringLiteral("note"));
        QCOMPARE(!changes.isClean(), unsaved);
        changes.markClean();
        QVERIFY(changes.isClean());
    }
};

QTEST_MAIN(TestChartChanges)
#include "tst_chartchanges.moc"
