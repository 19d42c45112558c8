// The program against its own update server on 127.0.0.1: the results
// update downloads what the server publishes, and what a publisher sends
// through the editor's export page reaches the next update.
#include "app/VyloraApp.h"
#include "gui/editor/EditorPanel.h"
#include "gui/online/UpdateCommand.h"
#include "online/ServerSettings.h"
#include "server/TlsFiles.h"
#include "storage/ChartFile.h"
#include "storage/UserSettings.h"
#include "support/AnsweringPrompts.h"
#include "support/FindControl.h"
#include "support/FixedClock.h"
#include "support/LocalUpdateServer.h"
#include "support/OnlyChild.h"
#include "support/ShippedCharts.h"
#include "support/TemporaryProgramFolder.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QTest>

#include <memory>

namespace {

const QByteArray published = wholeChart2010({{"ButA", 0, "1"},
                                             {"ButA", 1, "1"},
                                             {"ButA", 2, "0"},
                                             {"ButA", 3, "0"},
                                             {"CV", 0, "2.6"},
                                             {"Mess", 0, "Premiers résultats"}});
const QByteArray password = "mot de passe du site";

} // namespace

// Catches the addresses the program opens in the browser.
class Browser final : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

class TestUpdateFromServer final : public QObject
{
    Q_OBJECT

    std::unique_ptr<LocalUpdateServer> m_server;
    std::unique_ptr<TemporaryProgramFolder> m_folder;
    AnsweringPrompts m_prompts;
    FixedClock m_clock{QDateTime(QDate(2010, 6, 20), QTime(12, 0))};
    UserSettings m_settings;
    Browser m_browser;

    std::unique_ptr<VyloraApp> startApp()
    {
        auto app = std::make_unique<VyloraApp>(m_prompts, m_clock, m_settings);
        app->start();
        app->window().show();
        if (!QTest::qWaitForWindowExposed(&app->window()))
            return nullptr;
        m_prompts.clear();
        return app;
    }

    // "Mise à jour", answered Yes; the notice of a newer version, when the
    // chart announces one, answered No.
    bool clickUpdate(VyloraApp &app, bool newerVersion = false)
    {
        m_prompts.queueAnswer(true);
        if (newerVersion)
            m_prompts.queueAnswer(false);
        QSignalSpy finished(&onlyChild<UpdateCommand>(app.window()), &UpdateCommand::finished);
        QTest::mouseClick(findControl(app.window(), QStringLiteral("Command8")), Qt::LeftButton);
        return finished.wait(5000) && finished.first().first().toBool();
    }

    static void retype(VyloraApp &app, const QString &name, int index, const QString &text)
    {
        auto *field = findControl<QLineEdit>(app.window(), name, index);
        QVERIFY(field);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_browser, "open");
    }

    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }

    void init()
    {
        QSettings(m_settings.fileName(), QSettings::IniFormat).clear();
        m_server = std::make_unique<LocalUpdateServer>(password);
        QVERIFY(m_server->isListening());
        m_server->write(QStringLiteral("VYL2010.ini"), published);
        m_folder.reset();
        m_folder = std::make_unique<TemporaryProgramFolder>();
        QVERIFY(ServerSettings::overrideBaseUrl(m_server->base()));
        m_browser.opened.clear();
    }

    void cleanup() { ServerSettings::clearOverride(); }

    void theUpdateBringsWhatTheServerPublishes()
    {
        auto app = startApp();
        QVERIFY(app);
        QVERIFY(clickUpdate(*app));
        QCOMPARE(shownText(app->window(), QStringLiteral("A"), 4), QStringLiteral("France"));
        QCOMPARE(shownText(app->window(), QStringLiteral("ButA"), 0) +
                     shownText(app->window(), QStringLiteral("ButA"), 1),
                 QStringLiteral("11"));
        QCOMPARE(shownText(app->window(), QStringLiteral("Label10")), QStringLiteral("Premiers résultats"));
        QCOMPARE(m_folder->read(QStringLiteral("VYL2010.ini")), published);
    }

    void theUpdateComesOverHttps()
    {
        // A certificate of the test's own for 127.0.0.1, trusted by this
        // process alone.
        QTemporaryDir dir;
        const QString certificate = dir.filePath(QStringLiteral("cert.pem"));
        const QString key = dir.filePath(QStringLiteral("key.pem"));
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      QStringLiteral("req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 1 "
                                     "-subj /CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1")
                              .split(u' ') +
                          QStringList{QStringLiteral("-keyout"), key, QStringLiteral("-out"), certificate});
        QVERIFY(openssl.waitForFinished(30000) && openssl.exitCode() == 0);
        QString error;
        QString warning;
        const std::optional<QSslConfiguration> tls = loadTlsFiles(certificate, key, error, warning);
        QVERIFY2(tls, qPrintable(error));
        const QSslConfiguration before = QSslConfiguration::defaultConfiguration();
        QSslConfiguration trusting = before;
        trusting.setCaCertificates(QSslCertificate::fromPath(certificate));
        QSslConfiguration::setDefaultConfiguration(trusting);

        LocalUpdateServer secure(PublisherPassword(password), {}, tls);
        QVERIFY(secure.isListening());
        secure.write(QStringLiteral("VYL2010.ini"), published);
        QVERIFY(ServerSettings::overrideBaseUrl(secure.base()));
        auto app = startApp();
        const bool updated = app && clickUpdate(*app);
        QSslConfiguration::setDefaultConfiguration(before);
        QVERIFY(updated);
        QCOMPARE(m_folder->read(QStringLiteral("VYL2010.ini")), published);
        QVERIFY(secure.log().contains(QStringLiteral(" GET /VYL2010.ini 200 ")));
    }

    void whatThePublisherSendsReachesTheNextUpdate()
    {
        auto app = startApp();
        QVERIFY(app);
        QVERIFY(clickUpdate(*app));

        m_settings.setPassword(QStringLiteral("7plum"));
        QTest::mousePress(findControl(app->window(), QStringLiteral("Label2")), Qt::RightButton);
        EditorPanel *editor = app->window().editor();
        QVERIFY(editor->isVisible());
        retype(*app, QStringLiteral("Text2"), 0, QString::fromUtf8(password));
        retype(*app, QStringLiteral("Text2"), 1, QStringLiteral("Paul & Marie"));
        retype(*app, QStringLiteral("Text2"), 3, QStringLiteral("2.7"));
        retype(*app, QStringLiteral("Text3"), 0, QStringLiteral("La finale approche"));
        QTest::mouseClick(findControl(app->window(), QStringLiteral("Command18")), Qt::LeftButton);
        QTest::mouseClick(findControl(app->window(), QStringLiteral("Command16")), Qt::LeftButton);
        QCOMPARE(m_browser.opened.size(), 1);

        // The export page's form posts the file back to its own address.
        const QString exportPage =
            m_browser.opened.first().toString(QUrl::FullyEncoded).mid(m_server->base().size());
        const HttpAnswer page = m_server->get(exportPage);
        QCOMPARE(page.status, 200);
        QFile chosen(QGuiApplication::clipboard()->text());
        QVERIFY(chosen.open(QIODevice::ReadOnly));
        const QByteArray form =
            "--b\r\nContent-Disposition: form-data; name=\"fichier\"; filename=\"VYL2010.ini\"\r\n\r\n" +
            chosen.readAll() + "\r\n--b--\r\n";
        const HttpAnswer sent = m_server->post(exportPage, "multipart/form-data; boundary=b", form);
        QCOMPARE(sent.status, 200);

        QVERIFY(clickUpdate(*app, true));
        QCOMPARE(shownText(app->window(), QStringLiteral("Label10")), QStringLiteral("La finale approche"));
        // The newer version was announced (and declined).
        QVERIFY(std::any_of(m_prompts.asked().cbegin(), m_prompts.asked().cend(),
                            [](const AnsweringPrompts::Asked &a) {
                                return a.text.startsWith(QStringLiteral("Une version plus récente"));
                            }));
    }
};

QTEST_MAIN(TestUpdateFromServer)
#include "tst_updatefromserver.moc"
