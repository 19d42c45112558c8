#include <atomic>
#include <mutex>
#include <set>
#include <thread>

#include <sys/stat.h>

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "storage/UserSettings.h"

namespace {

constexpr QFile::Permissions groupOrOther = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                                            | QFile::WriteOther | QFile::ExeOther;

} // namespace

class TestUserSettings final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void firstRunGivesDefaults();
    void storeIsNamedAfterProgram();
    void valuesReadBack_data();
    void valuesReadBack();
    void onlyExactOneIsCompact_data();
    void onlyExactOneIsCompact();
    void emptyNameOrPasswordKeepsStored();
    void unchangedValueLeavesFileAlone();
    void fileIsOwnerOnly();
    void passwordNeverReadableByOthers();

private:
    QTemporaryDir m_store;
};

void TestUserSettings::initTestCase()
{
    QVERIFY(m_store.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_store.path());
}

void TestUserSettings::init()
{
    QFile::remove(UserSettings().fileName());
}

void TestUserSettings::firstRunGivesDefaults()
{
    const UserSettings settings;
    QCOMPARE(settings.language(), QStringLiteral("0"));
    QVERIFY(!settings.compactMode());
    QCOMPARE(settings.pseudo(), QString());
    QCOMPARE(settings.password(), QString());
    QVERIFY(!QFile::exists(settings.fileName()));
}

void TestUserSettings::storeIsNamedAfterProgram()
{
    UserSettings().setLanguage(1);
    const QString program = QCoreApplication::applicationName();
    QCOMPARE(program, QStringLiteral("tst_usersettings"));
    QSettings raw(QSettings::IniFormat, QSettings::UserScope, program, program);
    QCOMPARE(raw.value(QStringLiteral("data/langue")).toString(), QStringLiteral("1"));
    QVERIFY(UserSettings().fileName().startsWith(m_store.path()));
}

void TestUserSettings::valuesReadBack_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("compact");
    QTest::addColumn<QString>("pseudo");
    QTest::addColumn<QString>("password");
    QTest::newRow("English, compact") << 1 << true << QStringLiteral("vyl") << QStringLiteral("secret");
    QTest::newRow("Spanish, normal") << 2 << false << QString::fromUtf8("Zoé") << QString::fromUtf8("mot de passe é");
    QTest::newRow("language number beyond the three") << 255 << false << QStringLiteral("a") << QStringLiteral("b");
    QTest::newRow("settings punctuation") << 0 << true << QStringLiteral("a,b") << QStringLiteral("x=y; \"z\" [data]");
}

void TestUserSettings::valuesReadBack()
{
    QFETCH(int, language);
    QFETCH(bool, compact);
    QFETCH(QString, pseudo);
    QFETCH(QString, password);
    {
        UserSettings settings;
        settings.setLanguage(language);
        settings.setCompactMode(compact);
        settings.setPseudo(pseudo);
        settings.setPassword(password);
    }
    const UserSettings next;
    QCOMPARE(next.language(), QString::number(language));
    QCOMPARE(next.compactMode(), compact);
    QCOMPARE(next.pseudo(), pseudo);
    QCOMPARE(next.password(), password);
}

void TestUserSettings::onlyExactOneIsCompact_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("compact");
    QTest::newRow("1") << QStringLiteral("1") << true;
    QTest::newRow("0") << QStringLiteral("0") << false;
    QTest::newRow("01") << QStringLiteral("01") << false;
    QTest::newRow("true") << QStringLiteral("true") << false;
    QTest::newRow("empty") << QString() << false;
}

void TestUserSettings::onlyExactOneIsCompact()
{
    QFETCH(QString, stored);
    QFETCH(bool, compact);
    const QString program = QCoreApplication::applicationName();
    QSettings(QSettings::IniFormat, QSettings::UserScope, program, program).setValue(QStringLiteral("data/reduit"), stored);
    QCOMPARE(UserSettings().compactMode(), compact);
}

void TestUserSettings::emptyNameOrPasswordKeepsStored()
{
    UserSettings settings;
    settings.setPseudo(QStringLiteral("Ana"));
    settings.setPassword(QStringLiteral("pw"));
    settings.setPseudo(QString());
    settings.setPassword(QString());
    QCOMPARE(UserSettings().pseudo(), QStringLiteral("Ana"));
    QCOMPARE(UserSettings().password(), QStringLiteral("pw"));
}

// The window stores its mode at every exit; only a change rewrites the file.
void TestUserSettings::unchangedValueLeavesFileAlone()
{
    UserSettings settings;
    settings.setCompactMode(true);
    QFile file(settings.fileName());
    QVERIFY(file.open(QIODevice::Append) && file.write("; the user's own line\n") > 0);
    file.close();
    settings.setCompactMode(true);
    QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll().contains("own line"));
}

void TestUserSettings::fileIsOwnerOnly()
{
    UserSettings settings;
    settings.setPassword(QStringLiteral("pw"));
    QCOMPARE(QFile::permissions(settings.fileName()) & groupOrOther, QFile::Permissions());
    QVERIFY(QFile::permissions(settings.fileName()) & QFile::ReadOwner);

    // A store left readable by others is closed on the next write.
    QFile::setPermissions(settings.fileName(), QFile::permissions(settings.fileName()) | QFile::ReadGroup | QFile::ReadOther);
    settings.setCompactMode(true);
    QCOMPARE(QFile::permissions(settings.fileName()) & groupOrOther, QFile::Permissions());
    QCOMPARE(UserSettings().password(), QStringLiteral("pw"));
}

// A store that an older version left readable by others is closed before
// the password goes in, not after: someone watching the folder never finds
// a file of ours readable by others. The file this test opens up itself
// does not count.
void TestUserSettings::passwordNeverReadableByOthers()
{
    UserSettings settings;
    settings.setCompactMode(false);
    const QByteArray path = QFile::encodeName(settings.fileName());
    // Every file the test itself opened up: a slow watcher may see one of
    // them only after the test has moved on to the next.
    std::mutex openedLock;
    std::set<ino_t> openedByTest;
    std::atomic<bool> done{false};
    std::atomic<int> exposed{0};
    std::thread watcher([&] {
        while (!done) {
            struct stat info = {};
            if (::stat(path.constData(), &info) != 0 || (info.st_mode & 077) == 0)
                continue;
            const std::lock_guard<std::mutex> lock(openedLock);
            if (!openedByTest.contains(info.st_ino))
                ++exposed;
        }
    });
    for (int i = 0; i < 300; ++i) {
        struct stat info = {};
        ::stat(path.constData(), &info);
        {
            const std::lock_guard<std::mutex> lock(openedLock);
            openedByTest.insert(info.st_ino);
        }
        ::chmod(path.constData(), 0644);
        settings.setPassword(QStringLiteral("secret") + QString::number(i));
    }
    done = true;
    watcher.join();

    QCOMPARE(exposed.load(), 0);
    QCOMPARE(QFile::permissions(settings.fileName()) & groupOrOther, QFile::Permissions());
    QCOMPARE(UserSettings().password(), QStringLiteral("secret299"));
}

QTEST_GUILESS_MAIN(TestUserSettings)
#include "tst_usersettings.moc"
