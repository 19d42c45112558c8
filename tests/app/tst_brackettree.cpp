// The knock-out page draws the bracket of the chart it shows: the two
// matches whose winners meet stand side by side, joined to that match.
#include "support/ChartWindow.h"
#include "support/Words.h"

#include <QFrame>

namespace {

// The box of side `side` of a round, found through its team cell.
QRect boxOf(const ChartWindow &w, const QString &teamFamily, int side)
{
    const QWidget *team = w.control(teamFamily, side);
    return team ? team->parentWidget()->geometry() : QRect();
}

} // namespace

class TestBracketTree final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void matchesThatMeetStandSideBySide_data()
    {
        QTest::addColumn<QString>("chart");
        QTest::addColumn<QStringList>("intoQuarterFinals"); // round-of-16 matches, by quarter-final
        QTest::addColumn<QStringList>("intoSemiFinals");    // quarter-finals, by semi-final
        QTest::newRow("2010") << "VYL2010" << words("0-1 4-5 2-3 6-7") << words("0-1 2-3");
        QTest::newRow("1998") << "VYL1998" << words("1-2 3-0 4-7 6-5") << words("0-3 2-1");
        QTest::newRow("2002") << "VYL2002" << words("0-1 4-5 2-3 6-7") << words("0-2 1-3");
    }

    void matchesThatMeetStandSideBySide()
    {
        QFETCH(QString, chart);
        QFETCH(QStringList, intoQuarterFinals);
        QFETCH(QStringList, intoSemiFinals);
        ChartWindow w;
        QVERIFY(w.start());
        // The page follows the chart loaded after it was built.
        w.t.setChartName(chart);

        auto check = [&w](const QString &family, int matches, const QString &next, const QStringList &pairs) {
            QList<int> centres;
            for (int k = 0; k < matches; ++k)
                centres << boxOf(w, family, 2 * k).center().y();
            for (qsizetype n = 0; n < pairs.size(); ++n) {
                const int a = centres[pairs[n].section(u'-', 0, 0).toInt()];
                const int b = centres[pairs[n].section(u'-', 1, 1).toInt()];
                const int joined = boxOf(w, next, int(2 * n)).center().y();
                QVERIFY2(joined > std::min(a, b) && joined < std::max(a, b), qPrintable(pairs[n]));
                for (int c : centres)
                    QVERIFY2(c <= std::min(a, b) || c >= std::max(a, b), qPrintable(pairs[n]));
            }
        };
        check(QStringLiteral("Huit"), 8, QStringLiteral("Qua"), intoQuarterFinals);
        check(QStringLiteral("Qua"), 4, QStringLiteral("DEM"), intoSemiFinals);
    }
};

QTEST_MAIN(TestBracketTree)
#include "tst_brackettree.moc"
