// The scoring rules, each row a prediction against a results chart, both
// loaded as the program loads any chart.
#include "predictions/MatchDayOver.h"
#include "predictions/PredictionFigures.h"
#include "predictions/PredictionFile.h"
#include "predictions/PredictionRanking.h"
#include "predictions/PredictionScore.h"
#include "storage/IniDocument.h"
#include "support/ResultsChart2010.h"
#include "tournament/Tournament.h"

#include <QTest>

namespace {

// "real": the whole of 2010; "start": the untouched starting chart.
QByteArray chartOf(const QString &base, const QString &edits, const QByteArray &starting)
{
    Tournament t;
    if (base == u"real")
        enterRealResults(t, starting);
    else
        LoadChartDocument(t, QStringLiteral("VYL2010"), IniDocument(starting), 0), t.setReady(true);
    editCells(t, edits);
    return chartBytes(t);
}

} // namespace

class TestPredictionScore final : public QObject
{
    Q_OBJECT

    QByteArray m_starting;

private slots:
    void initTestCase() { m_starting = fileBytes(QFINDTESTDATA("../../data/VYL2010.ini")); }

    void scoring_data()
    {
        QTest::addColumn<QString>("prediction");
        QTest::addColumn<QString>("predictionEdits");
        QTest::addColumn<QString>("results");
        QTest::addColumn<QString>("resultsEdits");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("exact");
        QTest::addColumn<int>("outcomes");
        QTest::addColumn<int>("knockout");
        // The most points still reachable: the final score once all is played.
        QTest::addColumn<int>("reachable");

        // clang-format off
        QTest::newRow("the results against themselves") << "real" << "" << "real" << "" << 201 << 48 << 0 << 57 << 201;
        QTest::newRow("the starting chart") << "start" << "" << "real" << "" << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("right outcome, other score") << "real" << "ButH:10=1;ButH:11=1" << "real" << ""
                                                    << 199 << 47 << 1 << 57 << 199;
        QTest::newRow("wrong outcome") << "real" << "ButH:11=1" << "real" << "" << 198 << 47 << 0 << 57 << 198;
        QTest::newRow("another quarter- and semi-finalist") << "real" << "Buthui:0=1;Buthui:1=2" << "real" << ""
                                                            << 196 << 48 << 0 << 52 << 196;
        QTest::newRow("another round-of-16 team, carried to the title") << "real" << "ButH:6=0;ButH:7=1"
                                                                        << "real" << "" << 183 << 47 << 0 << 42 << 183;
        QTest::newRow("another champion") << "real" << "ButFIN:0=1;ButFIN:1=0" << "real" << ""
                                          << 196 << 48 << 0 << 52 << 196;
        QTest::newRow("final not yet played") << "real" << "" << "real" << "ButFIN:0=-;ButFIN:1=-"
                                              << 196 << 48 << 0 << 52 << 201;
        QTest::newRow("one match played so far") << "real" << "" << "start" << "ButA:0=1;ButA:1=1"
                                                 << 3 << 1 << 0 << 0 << 201;
        QTest::newRow("a match the prediction left open") << "start" << "ButA:0=1" << "start" << "ButA:0=1;ButA:1=1"
                                                          << 0 << 0 << 0 << 0 << 0;
        // clang-format on
    }

    void scoring()
    {
        QFETCH(QString, prediction);
        QFETCH(QString, predictionEdits);
        QFETCH(QString, results);
        QFETCH(QString, resultsEdits);
        Tournament predicted;
        loadPrediction(predicted, chartOf(prediction, predictionEdits, m_starting));
        Tournament real;
        loadPrediction(real, chartOf(results, resultsEdits, m_starting));

        const PredictionScore score = scorePrediction(predicted, real);
        QTEST(score.points, "points");
        QTEST(score.exact, "exact");
        QTEST(score.outcomes, "outcomes");
        QTEST(score.knockout, "knockout");
        QTEST(reachablePoints(predictionFigures(predicted), predictionFigures(real), score), "reachable");
    }

    // A day is over when every group plays its matches of that day, or
    // when the next round is whole; the round of 32 comes before the
    // round of 16 and scores its own teams.
    void matchDays_data()
    {
        QTest::addColumn<QString>("chart");
        QTest::addColumn<QString>("unplayed"); // a score cell emptied, "section:key"
        QTest::addColumn<int>("day");
        QTest::addColumn<bool>("over");
        QTest::addColumn<int>("points"); // of the chart against itself

        QTest::newRow("six groups: the first day") << "EURO2024" << "" << 0 << true << 36;
        QTest::newRow("twelve groups: group L's last match") << "VYL2026" << "ButL:10" << 2 << false << 69;
        QTest::newRow("twelve groups: the last day") << "VYL2026" << "" << 2 << true << 72;
        QTest::newRow("the round of 32") << "VYL2026" << "" << roundOf32Day << true << 32;
        QTest::newRow("the round of 32 of a blank chart") << "VYL2030" << "" << roundOf32Day << false << 0;
    }

    void matchDays()
    {
        QFETCH(QString, chart);
        QFETCH(QString, unplayed);
        QFETCH(int, day);
        IniDocument file(fileBytes(QFINDTESTDATA(QStringLiteral("../../data/%1.ini").arg(chart))));
        if (!unplayed.isEmpty())
            file.setValue(unplayed.section(u':', 0, 0), unplayed.section(u':', 1), QStringLiteral("-"));
        const std::unique_ptr<Tournament> t = loadedPrediction(file.toBytes());
        QVERIFY(t);
        const PredictionFigures figures = predictionFigures(*t);
        QTEST(matchDayOver(figures, day), "over");
        QTEST(matchDayPoints(scoreFigures(figures, figures), day), "points");
    }

    void ranking_data()
    {
        // name, points, exact, outcomes of two predictions; the first listed
        // is expected first.
        QTest::addColumn<QString>("first");
        QTest::addColumn<QList<int>>("firstScore");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QList<int>>("secondScore");

        QTest::newRow("more points") << "Zoé" << QList{20, 0, 20} << "Anne" << QList{19, 6, 1};
        QTest::newRow("equal points: more exact") << "Zoé" << QList{20, 6, 2} << "Anne" << QList{20, 5, 5};
        QTest::newRow("then more outcomes") << "Zoé" << QList{20, 5, 5} << "Anne" << QList{20, 5, 4};
        QTest::newRow("then the name") << "anne" << QList{20, 5, 5} << "Zoé" << QList{20, 5, 5};
    }

    void ranking()
    {
        QFETCH(QString, first);
        QFETCH(QList<int>, firstScore);
        QFETCH(QString, second);
        QFETCH(QList<int>, secondScore);
        const auto scored = [](const QString &name, const QList<int> &s) {
            ScoredPrediction p{name, {}, {}};
            p.score.points = s[0];
            p.score.exact = s[1];
            p.score.outcomes = s[2];
            return p;
        };
        std::vector<ScoredPrediction> ranked{scored(second, secondScore), scored(first, firstScore)};
        rankPredictions(ranked);
        QCOMPARE(ranked.front().name, first);
    }
};

QTEST_GUILESS_MAIN(TestPredictionScore)
#include "tst_predictionscore.moc"
