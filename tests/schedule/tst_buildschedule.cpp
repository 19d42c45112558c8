#include "schedule/BuildSchedule.h"

#include <memory>

#include <QTest>

#include "storage/ModuleSetting.h"
#include "support/TemporaryProgramFolder.h"
#include "tournament/Tournament.h"

namespace {

const QString chart = QStringLiteral("VYL2010");

QString noteOfKey(int key)
{
    return QStringLiteral("Note %1 (Stade) TF1 11/06/10 16h00").arg(key);
}

QList<int> allKeys()
{
    QList<int> keys;
    for (int g = 0; g < 8; ++g)
        for (int i = 0; i <= 10; i += 2)
            keys << 12 * g + i;
    for (int i = 0; i <= 14; i += 2)
        keys << 100 + i;
    for (int i = 0; i <= 6; i += 2)
        keys << 200 + i;
    keys << 300 << 302 << 400 << 500;
    return keys;
}

} // namespace

class TestBuildSchedule final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void entryOrder_data();
    void entryOrder();
    void labelToolTips_data();
    void labelToolTips();
    void everyTeamLabelGetsItsNote();
    void otherKeysAreIgnored();
    void missingChartEmptiesTheSchedule();

private:
    void writeAllNotes();

    std::unique_ptr<TemporaryProgramFolder> m_folder;
};

void TestBuildSchedule::init()
{
    m_folder = std::make_unique<TemporaryProgramFolder>();
}

void TestBuildSchedule::cleanup()
{
    m_folder.reset();
}

void TestBuildSchedule::writeAllNotes()
{
    for (int key : allKeys())
        QVERIFY(WriteIniValue(chart, QStringLiteral("Match"), QString::number(key), noteOfKey(key)));
}

void TestBuildSchedule::entryOrder_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QChar>("code");
    QTest::addColumn<int>("firstLabel");
    QTest::addColumn<int>("key");

    QTest::newRow("first: key 0 is group A, labels 0 and 1") << 0 << QChar(u'A') << 0 << 0;
    QTest::newRow("then group B's first match") << 1 << QChar(u'B') << 0 << 12;
    QTest::newRow("group H's first match") << 7 << QChar(u'H') << 0 << 84;
    QTest::newRow("second matches start again at A") << 8 << QChar(u'A') << 2 << 2;
    QTest::newRow("group E, label 4") << 20 << QChar(u'E') << 4 << 52;
    QTest::newRow("last group match") << 47 << QChar(u'H') << 10 << 94;
    QTest::newRow("round of 16 first") << 48 << QChar(u'V') << 0 << 100;
    QTest::newRow("round of 16 last") << 55 << QChar(u'V') << 14 << 114;
    QTest::newRow("quarter-final first") << 56 << QChar(u'W') << 0 << 200;
    QTest::newRow("quarter-final last") << 59 << QChar(u'W') << 6 << 206;
    QTest::newRow("semi-final first") << 60 << QChar(u'X') << 0 << 300;
    QTest::newRow("semi-final second") << 61 << QChar(u'X') << 2 << 302;
    QTest::newRow("third place") << 62 << QChar(u'Y') << 0 << 400;
    QTest::newRow("final") << 63 << QChar(u'Z') << 0 << 500;
}

void TestBuildSchedule::entryOrder()
{
    QFETCH(int, position);
    QFETCH(QChar, code);
    QFETCH(int, firstLabel);
    QFETCH(int, key);

    writeAllNotes();
    Tournament t;
    const ScheduleIndex index = BuildSchedule(t, chart);
    QCOMPARE(index.size(), 64);
    const ScheduleEntry &entry = index.at(position);
    QCOMPARE(letter(entry.roundCode), code);
    QCOMPARE(entry.firstLabel, firstLabel);
    QCOMPARE(entry.note, noteOfKey(key));
}

void TestBuildSchedule::labelToolTips_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("label");
    QTest::addColumn<int>("key");

    QTest::newRow("lm 0 has key 0") << QStringLiteral("lm") << 0 << 0;
    QTest::newRow("lm 1 has key 0") << QStringLiteral("lm") << 1 << 0;
    QTest::newRow("lmB 3") << QStringLiteral("lmB") << 3 << 14;
    QTest::newRow("lme 11") << QStringLiteral("lme") << 11 << 58;
    QTest::newRow("lmH 10") << QStringLiteral("lmH") << 10 << 94;
    QTest::newRow("Huit 0") << QStringLiteral("Huit") << 0 << 100;
    QTest::newRow("Huit 15") << QStringLiteral("Huit") << 15 << 114;
    QTest::newRow("summary Huit 16 follows Huit 0") << QStringLiteral("Huit") << 16 << 100;
    QTest::newRow("summary Huit 17 follows Huit 1") << QStringLiteral("Huit") << 17 << 100;
    QTest::newRow("summary Huit 31 follows Huit 15") << QStringLiteral("Huit") << 31 << 114;
    QTest::newRow("Qua 7") << QStringLiteral("Qua") << 7 << 206;
    QTest::newRow("DEM 2") << QStringLiteral("DEM") << 2 << 302;
    QTest::newRow("pf 1") << QStringLiteral("pf") << 1 << 400;
    QTest::newRow("FIN 0") << QStringLiteral("FIN") << 0 << 500;
}

void TestBuildSchedule::labelToolTips()
{
    QFETCH(QString, family);
    QFETCH(int, label);
    QFETCH(int, key);

    writeAllNotes();
    Tournament t;
    BuildSchedule(t, chart);
    QCOMPARE(t.family(family)[label].toolTip, noteOfKey(key));
}

void TestBuildSchedule::everyTeamLabelGetsItsNote()
{
    writeAllNotes();
    Tournament t;
    QStringList toolTipped;
    t.addObserver([&](const CellFamily &f, int index, CellProperty property) {
        if (property == CellProperty::ToolTip)
            toolTipped << f.name() + QString::number(index);
    });
    BuildSchedule(t, chart);

    QStringList expected;
    for (GroupId g : allGroups)
        for (int i = 0; i < 12; ++i)
            expected << t.group(g).label->name() + QString::number(i);
    for (const char16_t *name : {u"Huit", u"Qua", u"DEM", u"pf", u"FIN"}) {
        const CellFamily &f = t.family(QString::fromUtf16(name));
        for (int i = f.first(); i <= f.last(); ++i)
            expected << f.name() + QString::number(i);
    }
    toolTipped.sort();
    expected.sort();
    QCOMPARE(toolTipped, expected);
}

void TestBuildSchedule::otherKeysAreIgnored()
{
    for (const char16_t *key : {u"1", u"96", u"116", u"401", u"600", u"00"})
        QVERIFY(WriteIniValue(chart, QStringLiteral("Match"), QString::fromUtf16(key),
                              QStringLiteral("Intrus (x) TF1 11/06/10 16h00")));
    QVERIFY(WriteIniValue(chart, QStringLiteral("Mess"), QStringLiteral("0"),
                          QStringLiteral("Pas une note (x) 11/06/10 16h00")));
    Tournament t;
    const ScheduleIndex index = BuildSchedule(t, chart);
    QCOMPARE(index.size(), 64);
    for (const ScheduleEntry &entry : index)
        QVERIFY2(entry.note.isEmpty(), qPrintable(entry.note));
    QVERIFY(t.group(GroupId::A).label->operator[](1).toolTip.isEmpty());
}

void TestBuildSchedule::missingChartEmptiesTheSchedule()
{
    writeAllNotes();
    Tournament t;
    BuildSchedule(t, chart);
    QCOMPARE(t.family(QStringLiteral("FIN"))[1].toolTip, noteOfKey(500));

    // The next chart has no notes: nothing of the previous one may linger.
    const ScheduleIndex index = BuildSchedule(t, QStringLiteral("VYL1998"));
    QCOMPARE(index.size(), 64);
    for (const ScheduleEntry &entry : index)
        QVERIFY(entry.note.isEmpty());
    QVERIFY(t.family(QStringLiteral("FIN"))[1].toolTip.isEmpty());
    QVERIFY(t.family(QStringLiteral("Huit"))[16].toolTip.isEmpty());
    QVERIFY(t.family(QStringLiteral("lmC"))[5].toolTip.isEmpty());
}

QTEST_GUILESS_MAIN(TestBuildSchedule)
#include "tst_buildschedule.moc"
