// The results update keeps the chart it replaces when it holds the user's
// own entries, and never writes over a prediction kept before.
#include "online/ChartReplacement.h"
#include "storage/KeptPredictions.h"
#include "storage/UserSettings.h"
#include "support/ResultsChart2010.h"
#include "support/TemporaryProgramFolder.h"

#include <QSettings>
#include <QTest>

class TestKeptBeforeUpdate final : public QObject
{
    Q_OBJECT

    QByteArray m_starting;

    QByteArray chart(const QString &edits) const
    {
        Tournament t;
        LoadChartDocument(t, QStringLiteral("VYL2010"), IniDocument(m_starting), 0);
        t.setReady(true);
        editCells(t, edits);
        // A whole chart, notes and all, as the server publishes one.
        IniDocument file(m_starting);
        writeChartCells(t, file);
        return file.toBytes();
    }

private slots:
    void initTestCase() { m_starting = fileBytes(QFINDTESTDATA("../../data/VYL2010.ini")); }

    void keeping_data()
    {
        QTest::addColumn<QString>("pseudo");
        QTest::addColumn<QString>("mine");       // the chart on disk before the update
        QTest::addColumn<QString>("published");  // what the update brings
        QTest::addColumn<QString>("keptBefore"); // "Moi" kept before the update, "" for none
        QTest::addColumn<QStringList>("keptAfter");

        const QString mine = QStringLiteral("ButA:0=2;ButA:1=0;ButB:0=3");
        const QString real = QStringLiteral("ButA:0=1;ButA:1=1");
        QTest::newRow("own entries, under the pseudo")
            << "Moi" << mine << real << "" << QStringList{QStringLiteral("Moi")};
        QTest::newRow("own entries, no pseudo")
            << "" << mine << real << "" << QStringList{QStringLiteral("Mon pronostic")};
        QTest::newRow("only what the results hold") << "Moi"
                                                    << "ButA:0=1" << real << "" << QStringList{};
        QTest::newRow("the same already kept")
            << "Moi" << mine << real << mine << QStringList{QStringLiteral("Moi")};
        QTest::newRow("the name holds another prediction")
            << "Moi" << mine << real << "ButC:0=5"
            << QStringList{QStringLiteral("Moi"), QStringLiteral("Moi (2)")};
    }

    void keeping()
    {
        QFETCH(QString, pseudo);
        QFETCH(QString, mine);
        QFETCH(QString, published);
        QFETCH(QString, keptBefore);
        QFETCH(QStringList, keptAfter);
        TemporaryProgramFolder folder;
        UserSettings settings;
        QSettings(settings.fileName(), QSettings::IniFormat).clear();
        settings.setPseudo(pseudo);
        folder.write(QStringLiteral("VYL2010.ini"), chart(mine));
        const QByteArray earlier = chart(keptBefore);
        if (!keptBefore.isEmpty())
            QCOMPARE(KeptPredictions::keep(QStringLiteral("Moi"), earlier, false),
                     KeptPredictions::KeepResult::Kept);

        QVERIFY(replaceChart(QStringLiteral("VYL2010"), chart(published), {}, QStringLiteral("Mon pronostic")).ok());
        QCOMPARE(KeptPredictions::names(), keptAfter);
        if (!keptBefore.isEmpty())
            QCOMPARE(fileBytes(KeptPredictions::filePath(QStringLiteral("Moi"))), earlier);
        else if (!keptAfter.isEmpty())
            QCOMPARE(fileBytes(KeptPredictions::filePath(keptAfter.last())), chart(mine));

        // A second update over the published chart finds nothing of the
        // user's own and leaves every kept prediction as it was.
        QVERIFY(replaceChart(QStringLiteral("VYL2010"), chart(published + QStringLiteral(";ButA:2=0")), {}, QStringLiteral("Mon pronostic")).ok());
        QCOMPARE(KeptPredictions::names(), keptAfter);
    }
};

QTEST_GUILESS_MAIN(TestKeptBeforeUpdate)
#include "tst_keptbeforeupdate.moc"
