#include <QSettings>
#include <QtTest>

#include "online/ServerSettings.h"
#include "storage/UserSettings.h"

// The update server's address: stored in a key of its own, replaced for one
// run by "--server", and the base of every page the program asks for.
class TestServerSettings final : public QObject
{
    Q_OBJECT

    static void store(const QString &key, const QString &value)
    {
        QSettings settings(UserSettings().fileName(), QSettings::IniFormat);
        settings.clear();
        if (!value.isNull())
            settings.setValue(key, value);
    }

private slots:
    void init() { ServerSettings::clearOverride(); }

    void theStoredBaseIsUsedWhenItIsAWebAddress_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("base");
        const QString fallback = ServerSettings::defaultBaseUrl().toString();
        QTest::newRow("nothing stored") << QString() << fallback;
        QTest::newRow("http") << "http://results.example:8080"
                              << "http://results.example:8080";
        QTest::newRow("https") << "https://results.example"
                               << "https://results.example";
        QTest::newRow("another scheme") << "ftp://results.example" << fallback;
        QTest::newRow("no host") << "http://" << fallback;
        QTest::newRow("not an address") << "results" << fallback;
        QTest::newRow("the default stored") << fallback << fallback;
    }

    void theStoredBaseIsUsedWhenItIsAWebAddress()
    {
        QFETCH(QString, stored);
        QFETCH(QString, base);
        store(QStringLiteral("server/update"), stored);
        QCOMPARE(ServerSettings::baseUrl().toString(), base);
        QCOMPARE(ServerSettings::siteUrl().has_value(), base != ServerSettings::defaultBaseUrl().toString());
    }

    void theCommandLineReplacesTheStoredBase()
    {
        store(QStringLiteral("server/update"), QStringLiteral("http://stored.example"));
        QVERIFY(!ServerSettings::overrideBaseUrl(QStringLiteral("file:///tmp")));
        QCOMPARE(ServerSettings::baseUrl().toString(), QStringLiteral("http://stored.example"));
        QVERIFY(ServerSettings::overrideBaseUrl(QStringLiteral("https://given.example")));
        QCOMPARE(ServerSettings::baseUrl().toString(), QStringLiteral("https://given.example"));
    }

    void pagesLieUnderTheBase_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("address");
        QTest::newRow("host only") << "http://h.example"
                                   << "/VYL2010.ini"
                                   << "http://h.example/VYL2010.ini";
        QTest::newRow("trailing slash") << "http://h.example/"
                                        << "/vyl.php"
                                        << "http://h.example/vyl.php";
        QTest::newRow("site in a folder") << "http://h.example/cup/"
                                          << "/imvyl.php"
                                          << "http://h.example/cup/imvyl.php";
        QTest::newRow("query with a space") << "http://h.example:81"
                                            << "/contacter.php?sub=VYL V2.6"
                                            << "http://h.example:81/contacter.php?sub=VYL%20V2.6";
        QTest::newRow("home") << "http://h.example"
                              << "/"
                              << "http://h.example/";
    }

    void pagesLieUnderTheBase()
    {
        QFETCH(QString, base);
        QFETCH(QString, page);
        QFETCH(QString, address);
        QVERIFY(ServerSettings::overrideBaseUrl(base));
        QCOMPARE(ServerSettings::address(page).toString(QUrl::FullyEncoded), address);
    }
};

QTEST_GUILESS_MAIN(TestServerSettings)
#include "tst_serversettings.moc"
