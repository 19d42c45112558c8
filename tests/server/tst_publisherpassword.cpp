// The publishing password: which files the server accepts, and what
// matches.
#include "server/PublisherPassword.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPublisherPassword final : public QObject
{
    Q_OBJECT

private slots:
    void readsOnlyAFileItsOwnerAloneCanRead_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QFile::Permissions>("permissions");
        QTest::addColumn<bool>("accepted");
        const QFile::Permissions owner = QFile::ReadOwner | QFile::WriteOwner;
        QTest::newRow("owner only") << QByteArray("un long secret\n") << owner << true;
        QTest::newRow("group reads") << QByteArray("un long secret\n") << (owner | QFile::ReadGroup) << false;
        QTest::newRow("everybody reads") << QByteArray("un long secret\n") << (owner | QFile::ReadOther) << false;
        QTest::newRow("empty first line") << QByteArray("\nun long secret\n") << owner << false;
        QTest::newRow("empty file") << QByteArray() << owner << false;
        QTest::newRow("the program's editor password") << QByteArray("7plum\n") << owner << false;
    }

    void readsOnlyAFileItsOwnerAloneCanRead()
    {
        QFETCH(QByteArray, content);
        QFETCH(QFile::Permissions, permissions);
        QFETCH(bool, accepted);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("password")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        QVERIFY(file.setPermissions(permissions));
        const LoadedPassword loaded = loadPublisherPassword(file.fileName());
        QCOMPARE(loaded.password.has_value(), accepted);
        QCOMPARE(loaded.refusal.isEmpty(), accepted);
        if (accepted)
            QVERIFY(loaded.password->matches("un long secret"));
    }

    void matchesTheWholeLineOnly_data()
    {
        QTest::addColumn<QByteArray>("attempt");
        QTest::addColumn<bool>("matches");
        QTest::newRow("the line") << QByteArray("mot de passe") << true;
        QTest::newRow("with its line end") << QByteArray("mot de passe\n") << false;
        QTest::newRow("beginning") << QByteArray("mot de") << false;
        QTest::newRow("longer") << QByteArray("mot de passe!") << false;
        QTest::newRow("repeated") << QByteArray("mot de passemot de passe") << false;
        QTest::newRow("other case") << QByteArray("Mot de passe") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }

    void matchesTheWholeLineOnly()
    {
        QFETCH(QByteArray, attempt);
        QFETCH(bool, matches);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("password")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("mot de passe\r\n");
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
        const LoadedPassword loaded = loadPublisherPassword(file.fileName());
        QVERIFY(loaded.password);
        QCOMPARE(loaded.password->matches(attempt), matches);
    }
};

QTEST_MAIN(TestPublisherPassword)
#include "tst_publisherpassword.moc"
