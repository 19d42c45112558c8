#include "schedule/MatchInfo.h"

#include <QTest>

class TestMatchInfo final : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
};

void TestMatchInfo::parse_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("venue");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QList<int>>("logos");
    QTest::addColumn<int>("stadium"); // -1: no picture

    QTest::newRow("published layout") << QStringLiteral("Soccer City (Johannesburg) TF1 11/06/10 16h00")
                                      << QStringLiteral("Soccer City ") << QStringLiteral("11/06/10 ")
                                      << QStringLiteral(" 16h00") << QList<int>{1} << 9;
    QTest::newRow("empty key") << QString() << QString() << QString() << QString() << QList<int>{} << -1;
    QTest::newRow("TF1 with C+ shows both logos")
        << QStringLiteral("Ellis Park (Johannesburg) TF1 C+ 12/06/10 20h30") << QStringLiteral("Ellis Park ")
        << QStringLiteral("12/06/10 ") << QStringLiteral(" 20h30") << QList<int>{0, 1} << 2;
    QTest::newRow("all four broadcasters")
        << QStringLiteral("Loftus (Pretoria) C+ TF1 F2 F3 16/06/10 20h30") << QStringLiteral("Loftus ")
        << QStringLiteral("16/06/10 ") << QStringLiteral(" 20h30") << QList<int>{0, 1, 2, 3} << 5;
    QTest::newRow("broadcaster after the date is not in the head")
        << QStringLiteral("Green Point (Le Cap) 18/06/10 20h30 TF1") << QStringLiteral("Green Point ")
        << QStringLiteral("18/06/10 ") << QStringLiteral(" 20h30 TF1") << QList<int>{} << 4;
    QTest::newRow("Soccer and Ellis: the later fragment wins")
        << QStringLiteral("Ellis Park, puis Soccer City (Jhb) F2 13/06/10 13h30")
        << QStringLiteral("Ellis Park, puis Soccer City ") << QStringLiteral("13/06/10 ")
        << QStringLiteral(" 13h30") << QList<int>{2} << 9;
    QTest::newRow("lower-case free matches") << QStringLiteral("Stade free State (Bloemfontein) F3 14/06/10 16h00")
                                             << QStringLiteral("Stade free State ") << QStringLiteral("14/06/10 ")
                                             << QStringLiteral(" 16h00") << QList<int>{3} << 3;
    QTest::newRow("capital Free does not match")
        << QStringLiteral("Free State (Bloemfontein) F3 14/06/10 16h00") << QStringLiteral("Free State ")
        << QStringLiteral("14/06/10 ") << QStringLiteral(" 16h00") << QList<int>{3} << -1;
    QTest::newRow("head without bracket keeps date, time and logo")
        << QStringLiteral("Loftus Versfeld TF1 16/06/10 20h30") << QString() << QStringLiteral("16/06/10 ")
        << QStringLiteral(" 20h30") << QList<int>{1} << 5;
    QTest::newRow("bracket first: empty venue")
        << QStringLiteral("(Mbombela) F2 17/06/10 16h00") << QString() << QStringLiteral("17/06/10 ")
        << QStringLiteral(" 16h00") << QList<int>{2} << 7;
    QTest::newRow("no slash: no head, no date") << QStringLiteral("Durban C+ 16h00") << QString() << QString()
                                                << QStringLiteral("n C+ 16h00") << QList<int>{} << 1;
    QTest::newRow("slash first") << QStringLiteral("/06/10 16h00") << QString() << QString()
                                 << QStringLiteral(" 16h00") << QList<int>{} << -1;
    QTest::newRow("slash second") << QStringLiteral("1/06") << QString() << QString() << QString() << QList<int>{}
                                  << -1;
    QTest::newRow("slash third: date but no head")
        << QStringLiteral("11/06/10 20h30") << QString() << QStringLiteral("11/06/10 ") << QStringLiteral(" 20h30")
        << QList<int>{} << -1;
    QTest::newRow("slash fourth: empty head")
        << QStringLiteral("(11/06/10 20h30") << QString() << QStringLiteral("11/06/10 ")
        << QStringLiteral(" 20h30") << QList<int>{} << -1;
    QTest::newRow("note shorter than its blocks") << QStringLiteral("Green (Cape) 1/0") << QStringLiteral("Green ")
                                                  << QStringLiteral(" 1/0") << QString() << QList<int>{} << 4;
    QTest::newRow("character before the day is not in the head")
        << QStringLiteral("Mokaba (Polokwane) TF1 C+16/06/10 16h00") << QStringLiteral("Mokaba ")
        << QStringLiteral("16/06/10 ") << QStringLiteral(" 16h00") << QList<int>{1} << 8;
    QTest::newRow("bracket just before the day is not in the head")
        << QStringLiteral("Loftus (16/06/10 20h30") << QString() << QStringLiteral("16/06/10 ")
        << QStringLiteral(" 20h30") << QList<int>{} << 5;
    QTest::newRow("lone slash") << QStringLiteral("/") << QString() << QString() << QString() << QList<int>{}
                                << -1;
    QTest::newRow("only the first slash counts")
        << QStringLiteral("Mokaba (Polokwane) 1/2 F2 24/06/10 16h00") << QStringLiteral("Mokaba ")
        << QStringLiteral(" 1/2 F2 2") << QStringLiteral("24/06/10 1") << QList<int>{} << 8;
}

void TestMatchInfo::parse()
{
    QFETCH(QString, key);
    const MatchInfo info = parseMatchInfo(key);
    QTEST(info.venue, "venue");
    QTEST(info.date, "date");
    QTEST(info.time, "time");
    QTEST(info.logos, "logos");
    QTEST(info.stadium.value_or(-1), "stadium");
}

QTEST_GUILESS_MAIN(TestMatchInfo)
#include "tst_matchinfo.moc"
