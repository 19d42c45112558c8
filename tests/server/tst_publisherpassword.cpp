// The publishing password: which files the server accepts, and what
// matches.
#include "server/PublisherPassword.h"
#include "server/TlsFiles.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QProcess>
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

    // What the server must not start with, each told in a line of its own.
    void tellsWhyAStartFileCannotServe_data()
    {
        QTest::addColumn<bool>("tls");
        QTest::addColumn<int>("mode"); // of the password file; 0: a folder
        QTest::addColumn<bool>("otherKey");
        QTest::addColumn<QString>("told");
        QTest::newRow("password file that others can change") << false << 0602 << false << "others can change it";
        QTest::newRow("password file that is a folder") << false << 0 << false << "a folder";
        QTest::newRow("a key of another certificate") << true << 0 << true << "does not serve with";
        QTest::newRow("a certificate ending within 30 days: a warning") << true << 0 << false << "expires on";
    }

    void tellsWhyAStartFileCannotServe()
    {
        QFETCH(bool, tls);
        QFETCH(int, mode);
        QFETCH(bool, otherKey);
        QFETCH(QString, told);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("file"));
        if (!tls) {
            QFile file(path);
            if (mode == 0)
                QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("file")));
            else
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write("un long secret\n") > 0 && file.flush() &&
                        ::chmod(qPrintable(path), mode_t(mode)) == 0);
            const LoadedPassword loaded = loadPublisherPassword(path);
            QVERIFY2(!loaded.password && loaded.refusal.contains(told), qPrintable(loaded.refusal));
            return;
        }
        for (const QString &name : {QStringLiteral("a"), QStringLiteral("b")}) {
            QProcess openssl;
            openssl.start(QStringLiteral("openssl"),
                          QStringLiteral("req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 1 "
                                         "-subj /CN=127.0.0.1 -keyout %1.key -out %1.pem")
                              .arg(dir.filePath(name))
                              .split(u' '));
            QVERIFY(openssl.waitForFinished(30000) && openssl.exitCode() == 0);
        }
        QString error;
        QString warning;
        const auto loaded = loadTlsFiles(dir.filePath(QStringLiteral("a.pem")),
                                         dir.filePath(otherKey ? QStringLiteral("b.key") : QStringLiteral("a.key")),
                                         error, warning);
        QCOMPARE(loaded.has_value(), !otherKey);
        QVERIFY2((otherKey ? error : warning).contains(told), qPrintable(error + warning));
    }
};

QTEST_MAIN(TestPublisherPassword)
#include "tst_publisherpassword.moc"
