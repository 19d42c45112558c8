// The export address carries password and user name exactly as typed.
#include "gui/editor/ExportAddress.h"

#include <QTest>
#include <QUrlQuery>

class TestExportAddress final : public QObject
{
    Q_OBJECT

private slots:
    void decodesBackToWhatWasTyped_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("pseudo");
        QTest::addColumn<QString>("path");
        const QString server = QStringLiteral("http://127.0.0.1:8080");
        const QString page = QStringLiteral("/expvyl2010.php");
        QTest::newRow("plain") << server << "7plum"
                               << "Publieur" << page;
        QTest::newRow("space in the password, & and # in the name") << server << "mot de passe"
                                                                    << "a&b#c" << page;
        QTest::newRow("what forms decode") << server << "a+b=c"
                                           << "x%20y%" << page;
        QTest::newRow("a key of its own in the name") << server << "p"
                                                      << "n&mdp=autre" << page;
        QTest::newRow("accents") << server << "éàü"
                                 << "Señor" << page;
        QTest::newRow("server in a folder") << "http://example.org/site/"
                                            << "p"
                                            << "n"
                                            << "/site/expvyl2010.php";
    }

    void decodesBackToWhatWasTyped()
    {
        QFETCH(QString, base);
        QFETCH(QString, password);
        QFETCH(QString, pseudo);
        QFETCH(QString, path);
        const QUrl url = exportAddress(QUrl(base), password, pseudo);
        // Sent and read back as text, the way the browser and the server see it.
        const QUrl received(QString::fromLatin1(url.toEncoded()));
        QCOMPARE(received.path(), path);
        const QUrlQuery query(received);
        QCOMPARE(query.queryItemValue(QStringLiteral("mdp"), QUrl::FullyDecoded), password);
        QCOMPARE(query.queryItemValue(QStringLiteral("pseudo"), QUrl::FullyDecoded), pseudo);
        QCOMPARE(query.queryItems().size(), 2);
        // Nothing a form reader would take for a space.
        QVERIFY(!url.query(QUrl::FullyEncoded).contains(u'+'));
    }
};

QTEST_MAIN(TestExportAddress)
#include "tst_exportaddress.moc"
