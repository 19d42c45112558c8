#include "schedule/KickOffTime.h"

#include <QTest>

class TestKickOffTime final : public QObject
{
    Q_OBJECT

private slots:
    void noteInZone_data();
    void noteInZone();
};

void TestKickOffTime::noteInZone_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("shown");

    const QString opening = QStringLiteral("Soccer City (Johannesburg) TF1 11/06/10 16:00");
    const QString evening = QStringLiteral("Green Point (Le Cap) TF1 11/06/10 20:30");
    QTest::newRow("Johannesburg keeps the note") << opening << QByteArray("Africa/Johannesburg") << opening;
    QTest::newRow("New York, same day") << opening << QByteArray("America/New_York")
                                        << QStringLiteral("Soccer City (Johannesburg) TF1 11/06/10 10:00");
    QTest::newRow("Tokyo, same day") << opening << QByteArray("Asia/Tokyo")
                                     << QStringLiteral("Soccer City (Johannesburg) TF1 11/06/10 23:00");
    QTest::newRow("evening in New York")
        << evening << QByteArray("America/New_York") << QStringLiteral("Green Point (Le Cap) TF1 11/06/10 14:30");
    QTest::newRow("Tokyo moves to the next day")
        << evening << QByteArray("Asia/Tokyo") << QStringLiteral("Green Point (Le Cap) TF1 12/06/10 03:30");
    QTest::newRow("the month moves too")
        << QStringLiteral("Soccer City F2 30/06/10 20:30") << QByteArray("Asia/Tokyo")
        << QStringLiteral("Soccer City F2 01/07/10 03:30");
    QTest::newRow("no valid time: as written")
        << QStringLiteral("Soccer City 11/06/10 16h00") << QByteArray("Asia/Tokyo")
        << QStringLiteral("Soccer City 11/06/10 16h00");
    QTest::newRow("hour out of range: as written")
        << QStringLiteral("Soccer City 11/06/10 25:00") << QByteArray("Asia/Tokyo")
        << QStringLiteral("Soccer City 11/06/10 25:00");
    QTest::newRow("no valid date: as written")
        << QStringLiteral("Soccer City 31/02/10 16:00") << QByteArray("Asia/Tokyo")
        << QStringLiteral("Soccer City 31/02/10 16:00");
    QTest::newRow("empty note") << QString() << QByteArray("Asia/Tokyo") << QString();
}

void TestKickOffTime::noteInZone()
{
    QFETCH(QString, note);
    QFETCH(QByteArray, zone);
    QVERIFY(QTimeZone(zone).isValid());
    QTEST(::noteInZone(note, QTimeZone(zone)), "shown");
}

QTEST_GUILESS_MAIN(TestKickOffTime)
#include "tst_kickofftime.moc"
