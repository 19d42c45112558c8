// Saves that die midway, run out of disk, or race each other, each in a
// child process: whatever happens, the chart on disk is a whole chart.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include "storage/ChartFile.h"
#include "storage/IniDocument.h"
#include "support/SaveVariants.h"
#include "support/TemporaryProgramFolder.h"
#include "tournament/Tournament.h"

using namespace Qt::StringLiterals;

namespace {

const QString chartFile = QStringLiteral("VYL2010.ini");

QString driver()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/save_driver");
}

int runDriver(const QStringList &arguments)
{
    QProcess child;
    child.start(driver(), arguments);
    if (!child.waitForFinished(30000) || child.exitStatus() != QProcess::NormalExit)
        return -1;
    return child.exitCode();
}

QByteArray shippedChart()
{
    QFile file(QFINDTESTDATA("../../data/VYL2010.ini"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The shipped chart as a results download leaves it, with the sections
// that only the publisher writes.
QByteArray publishedChart()
{
    return shippedChart() +
           "[CV]\r\n0=2.6\r\n[Lien]\r\n0=News\r\n1=http://example.org/\r\n[Mess]\r\n0=Bonjour\r\n";
}

QStringList otherFiles(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    names.removeAll(chartFile);
    return names;
}

} // namespace

class TestSaveSurvival final : public QObject
{
    Q_OBJECT

private slots:
    void fullDiskKeepsOldFile_data();
    void fullDiskKeepsOldFile();
    void killedSaveLeavesOldOrNew();
    void racingSavesKeepPublishedSections();
};

void TestSaveSurvival::fullDiskKeepsOldFile_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("fits");
    QTest::newRow("chart, no byte fits") << QStringList{u"save"_s, u"1"_s} << 0 << false;
    QTest::newRow("chart, cut after 4096 bytes") << QStringList{u"save"_s, u"1"_s} << 4096 << false;
    QTest::newRow("chart, room enough") << QStringList{u"save"_s, u"1"_s} << (1 << 20) << true;
    QTest::newRow("one key, cut after 4096 bytes") << QStringList{u"write"_s, u"3000"_s} << 4096 << false;
    QTest::newRow("one key, room enough") << QStringList{u"write"_s, u"3000"_s} << (1 << 20) << true;
}

void TestSaveSurvival::fullDiskKeepsOldFile()
{
    QFETCH(QStringList, command);
    QFETCH(int, limit);
    QFETCH(bool, fits);
    TemporaryProgramFolder folder;
    const QByteArray original = shippedChart();
    folder.write(chartFile, original);

    const int status = runDriver(QStringList{folder.path()} + command + QStringList{QString::number(limit)});

    QCOMPARE(status, fits ? 0 : 1);
    QCOMPARE(otherFiles(folder.path()), QStringList());
    if (fits)
        QVERIFY(folder.read(chartFile) != original);
    else
        QCOMPARE(folder.read(chartFile), original);
}

void TestSaveSurvival::killedSaveLeavesOldOrNew()
{
    TemporaryProgramFolder folder;
    folder.write(chartFile, publishedChart());
    QByteArray variants[2];
    for (int variant : {0, 1}) {
        Tournament t;
        t.setChartName(QStringLiteral("VYL2010"));
        fillSaveVariant(t, variant);
        QVERIFY(SaveChart(t));
        variants[variant] = folder.read(chartFile);
    }
    QVERIFY(variants[0].size() != variants[1].size());

    // A temporary that a save killed in an earlier run left behind.
    const QString leftOver = folder.filePath(QStringLiteral(".VYL2010.ini.vylora-tmp.k1LLed"));
    {
        QFile file(leftOver);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(variants[0].left(100));
        QVERIFY(file.flush());
    }

    QElapsedTimer elapsed;
    elapsed.start();
    int kills = 0;
    for (; kills < 300 && elapsed.elapsed() < 20000; ++kills) {
        QProcess child;
        child.start(driver(), {folder.path(), QStringLiteral("loop")});
        QVERIFY(child.waitForStarted());
        QThread::usleep(QRandomGenerator::global()->bounded(2000u, 40000u));
        child.kill();
        QVERIFY(child.waitForFinished());
        const QByteArray onDisk = folder.read(chartFile);
        if (onDisk != variants[0] && onDisk != variants[1])
            QFAIL(qPrintable(QStringLiteral("after kill %1 the chart is %2 bytes of neither save")
                                 .arg(kills)
                                 .arg(onDisk.size())));
    }
    QVERIFY2(kills >= 50, "too few kills to mean anything");

    // Left long enough ago that no save can be writing them any more.
    for (const QString &name : otherFiles(folder.path())) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::Append));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime));
    }
    QCOMPARE(runDriver({folder.path(), QStringLiteral("start")}), 0);
    QCOMPARE(otherFiles(folder.path()), QStringList());
}

void TestSaveSurvival::racingSavesKeepPublishedSections()
{
    TemporaryProgramFolder folder;
    folder.write(chartFile, publishedChart());

    QProcess first;
    QProcess second;
    for (QProcess *child : {&first, &second})
        child->start(driver(), {folder.path(), QStringLiteral("race"), QStringLiteral("300")});
    for (QProcess *child : {&first, &second}) {
        QVERIFY(child->waitForFinished(60000));
        QCOMPARE(child->exitCode(), 0); // 2: a load in between found no chart
    }

    const IniDocument saved(folder.read(chartFile));
    for (const char *section : {"CV", "Lien", "Mess", "Match"})
        QVERIFY2(saved.hasSection(QString::fromLatin1(section)), section);
    QCOMPARE(otherFiles(folder.path()), QStringList());
}

QTEST_GUILESS_MAIN(TestSaveSurvival)
#include "tst_savesurvival.moc"
