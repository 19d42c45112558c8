#include "schedule/ChannelIndex.h"

#include <QTest>

class TestChannelIndex final : public QObject
{
    Q_OBJECT

private slots:
    void channel_data();
    void channel();
};

void TestChannelIndex::channel_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("channel");

    QTest::newRow("no broadcaster gives C+") << QStringLiteral("Soccer City 11/06/10 16h00") << 0;
    QTest::newRow("empty note") << QString() << 0;
    QTest::newRow("TF1") << QStringLiteral("Durban TF1 13/06/10 20h30") << 1;
    QTest::newRow("F2") << QStringLiteral("Durban F2 13/06/10 20h30") << 2;
    QTest::newRow("F3") << QStringLiteral("Durban F3 13/06/10 20h30") << 3;
    QTest::newRow("C+") << QStringLiteral("Durban C+ 13/06/10 20h30") << 0;
    QTest::newRow("TF1 with C+ gives C+") << QStringLiteral("Durban TF1 C+ 13/06/10 20h30") << 0;
    QTest::newRow("C+ before TF1 gives C+ too") << QStringLiteral("Durban C+ TF1 13/06/10 20h30") << 0;
    QTest::newRow("F2 outranks TF1") << QStringLiteral("TF1 F2") << 2;
    QTest::newRow("F3 outranks F2") << QStringLiteral("F3 F2") << 3;
    QTest::newRow("lower case is no broadcaster") << QStringLiteral("tf1 f2 f3 c+") << 0;
    QTest::newRow("found anywhere in the note") << QStringLiteral("Loftus 16/06/10 20h30 F3") << 3;
}

void TestChannelIndex::channel()
{
    QFETCH(QString, text);
    QTEST(ChannelIndexOf(text), "channel");
}

QTEST_GUILESS_MAIN(TestChannelIndex)
#include "tst_channelindex.moc"
