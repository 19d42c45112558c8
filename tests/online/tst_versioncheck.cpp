#include <QtTest>

#include "online/VersionCheck.h"

// This program is 2.6; a chart's "CV" announces the latest one published.
class TestVersionCheck final : public QObject
{
    Q_OBJECT

private slots:
    void onlyAHigherThreeCharacterVersionIsNewer_data()
    {
        QTest::addColumn<QString>("cv");
        QTest::addColumn<bool>("newer");
        QTest::newRow("the same version") << "2.6" << false;
        QTest::newRow("next minor") << "2.7" << true;
        QTest::newRow("next major") << "3.0" << true;
        QTest::newRow("older") << "2.5" << false;
        QTest::newRow("comma between the digits") << "2,7" << true;
        QTest::newRow("dash between the digits") << "2-7" << true;
        QTest::newRow("two-digit minor is not a version") << "2.10" << false;
        QTest::newRow("none published") << "-" << false;
        QTest::newRow("missing key read as empty") << "" << false;
        QTest::newRow("letters count as zero") << "x.9" << false;
        QTest::newRow("a letter for the minor digit") << "3.x" << true;
    }

    void onlyAHigherThreeCharacterVersionIsNewer()
    {
        QFETCH(QString, cv);
        QFETCH(bool, newer);
        QCOMPARE(newerVersionPublished(cv), newer);
    }
};

QTEST_APPLESS_MAIN(TestVersionCheck)
#include "tst_versioncheck.moc"
