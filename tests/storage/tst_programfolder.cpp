#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "storage/ModuleSetting.h"
#include "storage/ProgramFolder.h"
#include "storage/ScopedProgramFolder.h"

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestProgramFolder final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void chosenAsAsked_data();
    void chosenAsAsked();
    void seedCopiesMissingFilesOnly();
    void seededFilesTakeSaves();
    void staleTemporariesGoAtStart_data();
    void staleTemporariesGoAtStart();

private:
    QTemporaryDir m_root;
};

void TestProgramFolder::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_root.isValid());
}

void TestProgramFolder::chosenAsAsked_data()
{
    QTest::addColumn<QString>("requested");
    QTest::addColumn<QString>("expected");
    const QString dir = m_root.filePath(QStringLiteral("data"));
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QTest::newRow("folder asked for") << dir << dir;
    QTest::newRow("relative folder made absolute")
        << QStringLiteral("rel/sub") << QDir(m_root.path()).absoluteFilePath(QStringLiteral("rel/sub"));
    QTest::newRow("none asked for: user data folder") << QString() << userData;
}

void TestProgramFolder::chosenAsAsked()
{
    QFETCH(QString, requested);
    QFETCH(QString, expected);
    const ScopedProgramFolder keep(ProgramFolder::path());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(m_root.path());
    const QString chosen = ProgramFolder::choose(requested);
    QDir::setCurrent(previous);

    QCOMPARE(chosen, expected);
    QCOMPARE(ProgramFolder::path(), expected);
    QVERIFY(QFileInfo(expected).isDir());
    QCOMPARE(iniFilePath(QStringLiteral("VYL2010")), expected + QStringLiteral("/VYL2010.ini"));
}

void TestProgramFolder::seedCopiesMissingFilesOnly()
{
    QTemporaryDir shipped;
    QTemporaryDir user;
    writeFile(shipped.filePath(QStringLiteral("VYL2010.ini")), "[EquipA]\r\n1=Afrique du Sud\r\n");
    writeFile(shipped.filePath(QStringLiteral("langEn.txt")), "english");
    QVERIFY(QDir(shipped.path()).mkdir(QStringLiteral("sub")));
    writeFile(user.filePath(QStringLiteral("VYL2010.ini")), "[EquipA]\r\n1=mine\r\n");

    const ScopedProgramFolder folder(user.filePath(QStringLiteral("new")));
    QStringList copied = ProgramFolder::seedFrom(shipped.path());
    copied.sort();
    QCOMPARE(copied, (QStringList{QStringLiteral("VYL2010.ini"), QStringLiteral("langEn.txt")}));
    QCOMPARE(readFile(ProgramFolder::filePath(QStringLiteral("VYL2010.ini"))),
             QByteArray("[EquipA]\r\n1=Afrique du Sud\r\n"));

    ProgramFolder::setPath(user.path());
    QCOMPARE(ProgramFolder::seedFrom(shipped.path()), QStringList{QStringLiteral("langEn.txt")});
    QCOMPARE(readFile(user.filePath(QStringLiteral("VYL2010.ini"))), QByteArray("[EquipA]\r\n1=mine\r\n"));
    QCOMPARE(readFile(user.filePath(QStringLiteral("langEn.txt"))), QByteArray("english"));
    QVERIFY(!QFileInfo::exists(user.filePath(QStringLiteral("sub"))));
    QCOMPARE(ProgramFolder::seedFrom(shipped.path()), QStringList());
}

// Shipped files come read-only (resources); the user's copy must not.
void TestProgramFolder::seededFilesTakeSaves()
{
    QTemporaryDir shipped;
    QTemporaryDir user;
    const QString source = shipped.filePath(QStringLiteral("VYL2010.ini"));
    writeFile(source, "[ButA]\r\n0=-\r\n");
    QFile::setPermissions(source, QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther);

    const ScopedProgramFolder folder(user.path());
    QCOMPARE(ProgramFolder::seedFrom(shipped.path()).size(), 1);
    QVERIFY(QFile::permissions(ProgramFolder::filePath(QStringLiteral("VYL2010.ini"))) & QFile::WriteOwner);
    QVERIFY(WriteIniValue(QStringLiteral("VYL2010"), QStringLiteral("ButA"), QStringLiteral("0"),
                          QStringLiteral("2")));
    QCOMPARE(ReadIniValue(QStringLiteral("VYL2010"), QStringLiteral("ButA"), QStringLiteral("0")),
             QStringLiteral("2"));
}

void TestProgramFolder::staleTemporariesGoAtStart_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("age"); // seconds; negative for a file written after the start
    QTest::addColumn<bool>("removed");
    const int days = 2 * 86400;
    QTest::newRow("user's backup") << QStringLiteral("VYL2010.ini.backup") << days << false;
    QTest::newRow("user's notes") << QStringLiteral("notes.txt.france") << days << false;
    QTest::newRow("user's copy") << QStringLiteral("langEn.txt.orig01") << days << false;
    QTest::newRow("user's hidden copy") << QStringLiteral(".VYL2010.ini.Ab12Cd") << days << false;
    QTest::newRow("chart set aside") << QStringLiteral("VYL2010.ini.damaged") << days << false;
    QTest::newRow("own stale chart temporary") << QStringLiteral(".VYL2010.ini.vylora-tmp.Ab12Cd") << 120 << true;
    QTest::newRow("own stale language temporary")
        << QStringLiteral(".langFr.txt.vylora-tmp.x1Y2z3") << days << true;
    QTest::newRow("own stale prediction temporary")
        << QStringLiteral("pronostics/.Moi.ini.vylora-tmp.zzzzzz") << days << true;
    QTest::newRow("own, being written by another copy")
        << QStringLiteral(".VYL2010.ini.vylora-tmp.Ab12Cd") << 10 << false;
    QTest::newRow("own, written after the start") << QStringLiteral(".VYL2010.ini.vylora-tmp.Ab12Cd") << -5 << false;
}

void TestProgramFolder::staleTemporariesGoAtStart()
{
    QFETCH(QString, name);
    QFETCH(int, age);
    QFETCH(bool, removed);
    const QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[ButA]\r\n0=");
        QVERIFY(file.flush());
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-age), QFileDevice::FileModificationTime));
    }

    ProgramFolder::choose(dir.path());

    QCOMPARE(QFileInfo::exists(path), !removed);
}

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
