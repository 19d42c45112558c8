// Each link of the window opens its page in the browser, and the news
// link only the web address its chart gives.
#include "app/VyloraApp.h"
#include "online/ServerSettings.h"
#include "storage/UserSettings.h"
#include "support/AnsweringPrompts.h"
#include "support/FindControl.h"
#include "support/FixedClock.h"
#include "support/TemporaryProgramFolder.h"

#include <QDesktopServices>
#include <QSettings>
#include <QTest>

#include <memory>

class TestLinks final : public QObject
{
    Q_OBJECT

    QStringList m_opened; // fully encoded
    std::unique_ptr<TemporaryProgramFolder> m_folder;
    AnsweringPrompts m_prompts;
    FixedClock m_clock{QDateTime(QDate(2010, 6, 20), QTime(12, 0))};
    UserSettings m_settings;

    std::unique_ptr<VyloraApp> startApp(const QByteArray &chart)
    {
        m_folder->write(QStringLiteral("VYL2010.ini"), chart);
        auto app = std::make_unique<VyloraApp>(m_prompts, m_clock, m_settings);
        app->start();
        app->window().show();
        if (!QTest::qWaitForWindowExposed(&app->window()))
            return nullptr;
        return app;
    }

public slots:
    void openUrl(const QUrl &url) { m_opened.append(url.toString(QUrl::FullyEncoded)); }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        for (const QString &scheme : {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("file")})
            QDesktopServices::setUrlHandler(scheme, this, "openUrl");
        QSettings store(m_settings.fileName(), QSettings::IniFormat);
        store.clear();
        store.setValue(QStringLiteral("server/partner"), QStringLiteral("https://partner.example/"));
        store.setValue(QStringLiteral("server/forum"), QStringLiteral("https://forum.example/topic/2010"));
        QVERIFY(ServerSettings::overrideBaseUrl(QStringLiteral("http://author.example:8080")));
    }

    void cleanupTestCase()
    {
        for (const QString &scheme : {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("file")})
            QDesktopServices::unsetUrlHandler(scheme);
    }

    void init()
    {
        m_folder.reset();
        m_folder = std::make_unique<TemporaryProgramFolder>();
        m_opened.clear();
    }

    void eachLinkOpensItsPage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("opener"); // the button that shows the link's panel
        QTest::addColumn<QString>("page");
        const QString home = QStringLiteral("http://author.example:8080/");
        const QString partner = QStringLiteral("https://partner.example/");
        const QString forum = QStringLiteral("https://forum.example/topic/2010");
        QTest::newRow("author's site") << "Image2" << -1 << "" << home;
        QTest::newRow("partner picture") << "Image6" << -1 << "" << partner;
        QTest::newRow("partner notice") << "Label11" << 0 << "" << partner;
        QTest::newRow("partner name") << "Label11" << 1 << "" << partner;
        QTest::newRow("news link") << "Lablien" << -1 << ""
                                   << "http://news.example/direct?id=4";
        QTest::newRow("partner picture of the bracket") << "Image7" << -1 << "Command1" << partner;
        QTest::newRow("help: site picture") << "Image5" << -1 << "Command6" << home;
        QTest::newRow("help: site address") << "Label9" << -1 << "Command6" << home;
        QTest::newRow("help: author credit") << "Label6" << 4 << "Command6" << home;
        QTest::newRow("help: other credit") << "Label6" << 3 << "Command6"
                                            << "";
        QTest::newRow("help: contact") << "Label3" << -1 << "Command6"
                                       << "http://author.example:8080/contacter.php?sub=VYL%20V2.6";
        QTest::newRow("help: partner picture") << "Image3" << -1 << "Command6" << partner;
        QTest::newRow("help: forum invitation") << "Label4" << -1 << "Command6" << forum;
        QTest::newRow("help: forum") << "Label8" << -1 << "Command6" << forum;
    }

    void eachLinkOpensItsPage()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QString, opener);
        QFETCH(QString, page);
        auto app = startApp("[Lien]\r\n0=Le direct\r\n1=http://news.example/direct?id=4\r\n");
        QVERIFY(app);
        if (!opener.isEmpty())
            QTest::mouseClick(findControl(app->window(), opener), Qt::LeftButton);
        QWidget *link = findControl(app->window(), name, index);
        QVERIFY(link && link->isVisible());
        if (!page.isEmpty())
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(m_opened, page.isEmpty() ? QStringList() : QStringList{page});
    }

    void theNewsLinkOpensOnlyAWebAddress_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("opened");
        QTest::newRow("web page") << "https://news.example/"
                                  << "https://news.example/";
        QTest::newRow("without a scheme") << "news.example/cup"
                                          << "http://news.example/cup";
        QTest::newRow("no address") << ""
                                    << "";
        QTest::newRow("a file of this computer") << "file:///usr/bin/xterm"
                                                 << "";
        QTest::newRow("a path") << "/usr/bin/xterm"
                                << "";
    }

    void theNewsLinkOpensOnlyAWebAddress()
    {
        QFETCH(QString, address);
        QFETCH(QString, opened);
        auto app = startApp("[Lien]\r\n0=Le direct\r\n1=" + address.toUtf8() + "\r\n");
        QVERIFY(app);
        QTest::mouseClick(findControl(app->window(), QStringLiteral("Lablien")), Qt::LeftButton);
        QCOMPARE(m_opened, opened.isEmpty() ? QStringList() : QStringList{opened});
    }
};

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
