#include <optional>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "storage/ModuleSetting.h"
#include "storage/ScopedProgramFolder.h"
#include "support/TemporaryProgramFolder.h"

namespace {

const QString stem = QStringLiteral("VYL2010");
const QString fileName = QStringLiteral("VYL2010.ini");

// True when the folder's mode does not keep this process from writing in
// it, as for root.
bool modeIsIgnored(const QString &folder)
{
    QFile probe(folder + QStringLiteral("/probe"));
    const bool written = probe.open(QIODevice::WriteOnly);
    probe.remove();
    return written;
}

} // namespace

class TestIniFile final : public QObject
{
    Q_OBJECT

private slots:
    void readsValue_data();
    void readsValue();
    void missingFileGivesDefault();
    void stemResolvesToProgramFolder();
    void writeChangesOnlyItsLine_data();
    void writeChangesOnlyItsLine();
    void writeCreatesFile();
    void writtenValueReadsBack_data();
    void writtenValueReadsBack();
    void failedWriteKeepsFile_data();
    void failedWriteKeepsFile();
    void fileOverLimitIsLeftAlone_data();
    void fileOverLimitIsLeftAlone();
};

void TestIniFile::readsValue_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("defaultValue");
    QTest::addColumn<QString>("expected");

    const QString dash = QStringLiteral("-");
    auto row = [&](const char *name, const QByteArray &file, const char *section, const char *key,
                   const QString &expected) {
        QTest::newRow(name) << file << QString::fromUtf8(section) << QString::fromUtf8(key) << dash << expected;
    };
    row("empty value is empty, not the default", "[ButA]\r\n3=\r\n", "ButA", "3", QString());
    row("missing key gives the default", "[ButA]\r\n3=1\r\n", "ButA", "4", dash);
    row("missing section gives the default", "[ButA]\r\n3=1\r\n", "ButB", "3", dash);
    row("key of another section is not found", "[ButA]\r\n1=x\r\n[ButB]\r\n2=y\r\n", "ButB", "1", dash);
    row("key before any section is not found", "1=x\r\n[ButA]\r\n2=y\r\n", "ButA", "1", dash);
    row("section name in other letter case", "[butA]\r\n1=2\r\n", "BUTA", "1", QStringLiteral("2"));
    row("key name in other letter case", "[Lien]\r\nAbc=z\r\n", "Lien", "aBC", QStringLiteral("z"));
    row("spaces around names and value", "  [ ButA ]  \r\n  1  =  2 3  \r\n", "ButA", "1", QStringLiteral("2 3"));
    row("double quotes removed", "[ButA]\r\n1=\"  x \"\r\n", "ButA", "1", QStringLiteral("  x "));
    row("single quotes removed", "[ButA]\r\n1='x'\r\n", "ButA", "1", QStringLiteral("x"));
    row("unmatched quotes kept", "[ButA]\r\n1=\"x'\r\n", "ButA", "1", QStringLiteral("\"x'"));
    row("lone quote kept", "[ButA]\r\n1=\"\r\n", "ButA", "1", QStringLiteral("\""));
    row("commented key ignored", "[ButA]\r\n;1=5\r\n", "ButA", "1", dash);
    row("commented section ignored", "[ButB]\r\n;[ButA]\r\n1=5\r\n", "ButA", "1", dash);
    row("LF line ends", "[ButA]\n1=5\n2=6\n", "ButA", "2", QStringLiteral("6"));
    row("last line without line end", "[ButA]\r\n1=5\r\n2=6", "ButA", "2", QStringLiteral("6"));
    row("equals sign inside the value", "[Lien]\r\n1=a=b\r\n", "Lien", "1", QStringLiteral("a=b"));
    row("Windows-1252 text", "[EquipC]\r\n2=\xC9tats-Unis \x80\r\n", "EquipC", "2",
        QString::fromUtf8("États-Unis €"));
    row("first of two equal keys", "[ButA]\r\n1=x\r\n1=y\r\n", "ButA", "1", QStringLiteral("x"));
    row("section written twice", "[ButA]\r\n1=x\r\n[ButB]\r\n[ButA]\r\n2=y\r\n", "ButA", "2", QStringLiteral("y"));
    row("1500 characters read back as 1023", "[Match]\r\n0=" + QByteArray(1500, 'x') + "\r\n", "Match", "0",
        QString(1023, u'x'));
}

void TestIniFile::readsValue()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, defaultValue);
    QFETCH(QString, expected);

    TemporaryProgramFolder folder;
    folder.write(fileName, file);
    QCOMPARE(ReadIniValue(stem, section, key, defaultValue), expected);
}

void TestIniFile::missingFileGivesDefault()
{
    TemporaryProgramFolder folder;
    QCOMPARE(ReadIniValue(stem, QStringLiteral("ButA"), QStringLiteral("0"), QStringLiteral("-")), QStringLiteral("-"));
    QCOMPARE(ReadIniValue(stem, QStringLiteral("Mess"), QStringLiteral("0")), QString());
}

void TestIniFile::stemResolvesToProgramFolder()
{
    TemporaryProgramFolder folder;
    folder.write(fileName, "[ButA]\r\n0=folder\r\n");
    QTemporaryDir elsewhere;
    QFile decoy(elsewhere.filePath(fileName));
    QVERIFY(decoy.open(QIODevice::WriteOnly));
    decoy.write("[ButA]\r\n0=current\r\n");
    decoy.close();

    const QString previous = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());
    const QString value = ReadIniValue(stem, QStringLiteral("ButA"), QStringLiteral("0"));
    WriteIniValue(stem, QStringLiteral("ButA"), QStringLiteral("1"), QStringLiteral("x"));
    QDir::setCurrent(previous);

    QCOMPARE(value, QStringLiteral("folder"));
    QCOMPARE(folder.read(fileName), QByteArray("[ButA]\r\n0=folder\r\n1=x\r\n"));
}

void TestIniFile::writeChangesOnlyItsLine_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    auto row = [](const char *name, const QByteArray &before, const char *section, const char *key,
                  const QString &value, const QByteArray &after) {
        QTest::newRow(name) << before << QString::fromUtf8(section) << QString::fromUtf8(key) << value << after;
    };
    row("value replaced in place",
        "; published\r\n[CV]\r\n0=2.6\r\n\r\n[ButA]\r\n0=1\r\n  1 = 2\r\n\r\n[Match]\r\n0=Soccer City\r\n",
        "ButA", "1", QStringLiteral("4"),
        "; published\r\n[CV]\r\n0=2.6\r\n\r\n[ButA]\r\n0=1\r\n  1 =4\r\n\r\n[Match]\r\n0=Soccer City\r\n");
    row("key added after the last key of its section", "[ButA]\r\n0=1\r\n; about B\r\n\r\n[ButB]\r\n0=2\r\n",
        "ButA", "5", QStringLiteral("x"), "[ButA]\r\n0=1\r\n5=x\r\n; about B\r\n\r\n[ButB]\r\n0=2\r\n");
    row("key added to a section without keys", "[ButA]\r\n[ButB]\r\n", "ButA", "0", QStringLiteral("-"),
        "[ButA]\r\n0=-\r\n[ButB]\r\n");
    row("section added at the end", "[ButA]\r\n0=1\r\n", "Mess", "0", QStringLiteral("hi"),
        "[ButA]\r\n0=1\r\n[Mess]\r\n0=hi\r\n");
    row("unterminated last line ended first", "[ButA]\r\n0=1", "ButA", "1", QStringLiteral("2"),
        "[ButA]\r\n0=1\r\n1=2\r\n");
    row("LF lines kept as they are", "[ButA]\n0=1\n1=2\n", "ButA", "0", QStringLiteral("5"), "[ButA]\n0=5\n1=2\n");
    row("names matched in other letter case", "[buta]\r\n0=1\r\n", "ButA", "0", QStringLiteral("2"),
        "[buta]\r\n0=2\r\n");
    row("empty value", "[TSA]\r\n1=1\r\n", "TSA", "1", QString(), "[TSA]\r\n1=\r\n");
    row("value that trimming would change is quoted", "[EquipA]\r\n1=A1\r\n", "EquipA", "1",
        QStringLiteral("  x"), "[EquipA]\r\n1=\"  x\"\r\n");
    row("quoted value is quoted again", "[EquipA]\r\n1=A1\r\n", "EquipA", "1", QStringLiteral("\"x\""),
        "[EquipA]\r\n1=\"\"x\"\"\r\n");
    row("line break kept out of the file", "[Mess]\r\n0=\r\n", "Mess", "0", QStringLiteral("a\r\nb\nc"),
        "[Mess]\r\n0=a b c\r\n");
    row("written in Windows-1252", "[EquipG]\r\n3=G3\r\n", "EquipG", "3", QString::fromUtf8("Côte d'Ivoire"),
        "[EquipG]\r\n3=C\xF4te d'Ivoire\r\n");
    row("bytes outside the code page kept", "[X]\r\n0=\x81\x8D\r\n;\x90\r\n[ButA]\r\n", "ButA", "0",
        QStringLiteral("1"), "[X]\r\n0=\x81\x8D\r\n;\x90\r\n[ButA]\r\n0=1\r\n");
}

void TestIniFile::writeChangesOnlyItsLine()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);

    TemporaryProgramFolder folder;
    folder.write(fileName, before);
    QVERIFY(WriteIniValue(stem, section, key, value));
    QCOMPARE(folder.read(fileName), after);
}

void TestIniFile::writeCreatesFile()
{
    TemporaryProgramFolder folder;
    QVERIFY(WriteIniValue(stem, QStringLiteral("ButA"), QStringLiteral("0"), QStringLiteral("-")));
    QVERIFY(WriteIniValue(stem, QStringLiteral("EquipA"), QStringLiteral("1"), QString::fromUtf8("Afrique du Sud")));
    QCOMPARE(folder.read(fileName), QByteArray("[ButA]\r\n0=-\r\n[EquipA]\r\n1=Afrique du Sud\r\n"));
}

void TestIniFile::writtenValueReadsBack_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("not played") << QStringLiteral("-");
    QTest::newRow("empty") << QString();
    QTest::newRow("spaces around") << QStringLiteral("  spaced  ");
    QTest::newRow("only spaces") << QStringLiteral("   ");
    QTest::newRow("double quoted") << QStringLiteral("\"quoted\"");
    QTest::newRow("single quoted") << QStringLiteral("'single'");
    QTest::newRow("quote at one end") << QStringLiteral("\"open");
    QTest::newRow("accents and euro") << QString::fromUtf8("é à ç É € œ");
    QTest::newRow("ini punctuation") << QStringLiteral("[x] a=b ;c");
    QTest::newRow("comment sign first") << QStringLiteral(";not a comment");
    QTest::newRow("1023 characters") << QString(1023, u'y');
}

void TestIniFile::writtenValueReadsBack()
{
    QFETCH(QString, value);
    TemporaryProgramFolder folder;
    folder.write(fileName, "[ButA]\r\n0=1\r\n[Other]\r\nk=v\r\n");
    QVERIFY(WriteIniValue(stem, QStringLiteral("ButA"), QStringLiteral("0"), value));
    QVERIFY(WriteIniValue(stem, QStringLiteral("New"), QStringLiteral("0"), value));
    QCOMPARE(ReadIniValue(stem, QStringLiteral("ButA"), QStringLiteral("0"), QStringLiteral("default")), value);
    QCOMPARE(ReadIniValue(stem, QStringLiteral("New"), QStringLiteral("0"), QStringLiteral("default")), value);
    QCOMPARE(ReadIniValue(stem, QStringLiteral("Other"), QStringLiteral("k")), QStringLiteral("v"));
}

void TestIniFile::failedWriteKeepsFile_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("readBack"); // what a read gets after the failed write
    for (const char *failure : {"folder is a file", "unreadable file", "file name taken by a folder"})
        QTest::newRow(failure) << QString::fromUtf8(failure) << QStringLiteral("-");
    QTest::newRow("read-only folder") << QStringLiteral("read-only folder") << QStringLiteral("3");
}

void TestIniFile::failedWriteKeepsFile()
{
    QFETCH(QString, failure);
    QFETCH(QString, readBack);
    const QByteArray original = "[ButA]\r\n0=3\r\n[Match]\r\n0=note\r\n";
    TemporaryProgramFolder folder;
    folder.write(fileName, original);
    const QString target = folder.filePath(fileName);

    std::optional<ScopedProgramFolder> redirect;
    if (failure == u"folder is a file") {
        redirect.emplace(target);
    } else if (failure == u"read-only folder") {
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        if (modeIsIgnored(folder.path())) {
            QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("this user writes into read-only folders");
        }
    } else if (failure == u"unreadable file") {
        QFile::setPermissions(target, QFile::WriteOwner);
        QFile probe(target);
        if (probe.open(QIODevice::ReadOnly)) {
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
            QSKIP("this user reads unreadable files");
        }
    } else {
        QFile::remove(target);
        QVERIFY(QDir(folder.path()).mkdir(fileName));
    }

    const bool written = WriteIniValue(stem, QStringLiteral("ButA"), QStringLiteral("0"), QStringLiteral("9"));
    QCOMPARE(ReadIniValue(stem, QStringLiteral("ButA"), QStringLiteral("0"), QStringLiteral("-")), readBack);
    redirect.reset();
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);

    QVERIFY(!written);
    if (failure == u"file name taken by a folder")
        QVERIFY(QFileInfo(target).isDir());
    else
        QCOMPARE(folder.read(fileName), original);
}

void TestIniFile::fileOverLimitIsLeftAlone_data()
{
    QTest::addColumn<qsizetype>("size");
    QTest::addColumn<bool>("used");
    QTest::newRow("at the limit") << qsizetype(1 << 20) << true;
    QTest::newRow("one byte over") << qsizetype((1 << 20) + 1) << false;
}

// A file larger than any of ours is neither read nor replaced; up to the
// limit it is an ordinary file, its keys found wherever they stand.
void TestIniFile::fileOverLimitIsLeftAlone()
{
    QFETCH(qsizetype, size);
    QFETCH(bool, used);
    const QByteArray head = "[ButA]\r\n0=3\r\n";
    const QByteArray tail = "\r\n[Match]\r\n0=note\r\n";
    QByteArray original = head + QByteArray(size - head.size() - tail.size(), '\n') + tail;
    TemporaryProgramFolder folder;
    folder.write(fileName, original);

    QCOMPARE(ReadIniValue(stem, QStringLiteral("Match"), QStringLiteral("0"), QStringLiteral("-")),
             used ? QStringLiteral("note") : QStringLiteral("-"));
    QCOMPARE(WriteIniValue(stem, QStringLiteral("ButA"), QStringLiteral("0"), QStringLiteral("9")), used);
    if (used)
        original.replace("0=3", "0=9");
    QCOMPARE(folder.read(fileName), original);
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
