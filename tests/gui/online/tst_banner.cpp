// The server's banner: fetched at start-up for a publisher only, and a
// body that is no picture leaves the banners as they were.
#include "app/VyloraApp.h"
#include "gui/chart/MainWindow.h"
#include "gui/knockout/KnockoutPanel.h"
#include "gui/online/Banner.h"
#include "online/ServerSettings.h"
#include "storage/UserSettings.h"
#include "support/AnsweringPrompts.h"
#include "support/FindControl.h"
#include "support/FixedClock.h"
#include "support/LoopbackHttpServer.h"
#include "support/OnlyChild.h"
#include "support/TemporaryProgramFolder.h"

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

QByteArray picture(const QSize &size, const char *format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

const QSize first(468, 60);

// The smallest GIF there is: one white pixel. Qt reads GIF but does not
// write it.
const QByteArray onePixelGif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00!\xf9\x04\x01\x00\x00"
                             "\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;",
                             43);

} // namespace

class TestBanner final : public QObject
{
    Q_OBJECT

    std::unique_ptr<TemporaryProgramFolder> m_folder;
    std::unique_ptr<LoopbackHttpServer> m_server;
    AnsweringPrompts m_prompts;
    FixedClock m_clock{QDateTime(QDate(2010, 6, 20), QTime(12, 0))};
    UserSettings m_settings;

    std::unique_ptr<VyloraApp> startApp()
    {
        auto app = std::make_unique<VyloraApp>(m_prompts, m_clock, m_settings);
        app->start();
        return app;
    }

    static QSize shownSize(VyloraApp &app, const QString &name)
    {
        const auto *banner = findControl<QLabel>(app.window(), name);
        return banner ? banner->pixmap().size() : QSize(-1, -1);
    }

    // The controls shown on the banner's page that it lies over.
    static QStringList coveredBy(const QWidget &banner, const QWidget &page)
    {
        const QRect place(banner.mapTo(banner.window(), QPoint()), banner.size());
        QStringList covered;
        for (const QWidget *w : page.findChildren<QWidget *>()) {
            if (w == &banner || w->isAncestorOf(&banner) || !w->isVisibleTo(banner.window()) ||
                w->objectName().isEmpty() || w->objectName().startsWith(u"qt_"))
                continue;
            if (place.intersects(QRect(w->mapTo(w->window(), QPoint()), w->size())))
                covered << w->objectName();
        }
        return covered;
    }

private slots:
    void init()
    {
        QSettings(m_settings.fileName(), QSettings::IniFormat).clear();
        m_folder.reset();
        m_folder = std::make_unique<TemporaryProgramFolder>();
        m_server = std::make_unique<LoopbackHttpServer>();
        QVERIFY(ServerSettings::overrideBaseUrl(m_server->url().toString()));
        m_server->answer("/imvyl.php", LoopbackHttpServer::ok(picture(first, "PNG"), "image/png"));
    }

    void withoutAPublisherNothingIsFetched()
    {
        auto app = startApp();
        QTest::qWait(200);
        QVERIFY(m_server->requests().isEmpty());
        QVERIFY(findControl(app->window(), QStringLiteral("Image14"))->isHidden());
    }

    void theBannerCoversNoControl_data()
    {
        QTest::addColumn<bool>("compact");
        QTest::newRow("normal") << false;
        QTest::newRow("compact") << true;
    }

    void theBannerCoversNoControl()
    {
        QFETCH(bool, compact);
        m_settings.setPseudo(QStringLiteral("rédaction"));
        m_settings.setCompactMode(compact);
        auto app = startApp();
        QSignalSpy reloaded(&onlyChild<Banner>(app->window()), &Banner::reloaded);
        QVERIFY(reloaded.wait(3000));
        MainWindow &window = app->window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto *onChart = findControl<QLabel>(window, QStringLiteral("Image14"));
        // Scaled with the chart, whole in its box.
        QVERIFY(!onChart->pixmap().isNull());
        QVERIFY(QRect(QPoint(), onChart->size()).contains(QRect(QPoint(), onChart->pixmap().size())));
        QVERIFY(QRect(QPoint(), window.size()).contains(onChart->geometry()));
        QCOMPARE(coveredBy(*onChart, window), QStringList());

        QTest::mouseClick(findControl(window, QStringLiteral("Command1")), Qt::LeftButton);
        const auto *onBracket = findControl<QLabel>(window, QStringLiteral("Image15"));
        QVERIFY(onBracket->isVisible());
        QCOMPARE(coveredBy(*onBracket, onlyChild<KnockoutPanel>(window)), QStringList());
    }

    // The editor's "Abandon" shows the banners at once, inside the window
    // as at a start with a publisher's name stored.
    void abandonShowsTheBannerAtOnce()
    {
        m_settings.setPassword(QStringLiteral("7plum"));
        auto app = startApp();
        MainWindow &window = app->window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        m_prompts.queueAnswer(true); // open it although no update came first
        QTest::mouseClick(findControl(window, QStringLiteral("Command6")), Qt::LeftButton);
        QTest::mousePress(findControl(window, QStringLiteral("Label2")), Qt::RightButton);
        QTest::mouseClick(findControl(window, QStringLiteral("Command19")), Qt::LeftButton);

        const auto *onChart = findControl<QLabel>(window, QStringLiteral("Image14"));
        QTRY_VERIFY(!onChart->pixmap().isNull());
        QVERIFY(onChart->isVisible());
    }

    void onlyAPictureReplacesTheBanner_data()
    {
        QTest::addColumn<LoopbackHttpServer::Answer>("answer");
        QTest::addColumn<QSize>("shown");
        const QSize next(300, 50);
        QTest::newRow("GIF") << LoopbackHttpServer::ok(onePixelGif, "image/gif") << QSize(1, 1);
        QTest::newRow("PNG") << LoopbackHttpServer::ok(picture(next, "PNG"), "image/png") << next;
        QTest::newRow("page instead of a picture")
            << LoopbackHttpServer::ok("<html><body>Pas de banniere</body></html>", "text/html") << first;
        QTest::newRow("picture cut short") << [&] {
            LoopbackHttpServer::Answer answer = LoopbackHttpServer::ok(picture(next, "PNG"), "image/png");
            answer.sendOnly = 40;
            return answer;
        }() << first;
        LoopbackHttpServer::Answer missing = LoopbackHttpServer::ok(picture(next, "PNG"), "image/png");
        missing.status = 404;
        QTest::newRow("404 with a picture") << missing << first;
    }

    void onlyAPictureReplacesTheBanner()
    {
        QFETCH(LoopbackHttpServer::Answer, answer);
        QFETCH(QSize, shown);
        m_settings.setPseudo(QStringLiteral("rédaction"));
        auto app = startApp();
        QSignalSpy reloaded(&onlyChild<Banner>(app->window()), &Banner::reloaded);
        QVERIFY(reloaded.wait(3000));
        for (const QString &name : {QStringLiteral("Image14"), QStringLiteral("Image15")}) {
            QVERIFY(!findControl(app->window(), name)->isHidden());
            QCOMPARE(shownSize(*app, name), first);
        }
        const QByteArray firstFile = m_folder->read(QStringLiteral("imgtmp.gif"));
        QCOMPARE(firstFile, picture(first, "PNG"));

        m_server->answer("/imvyl.php", answer);
        onlyChild<Banner>(app->window()).reload();
        QVERIFY(reloaded.wait(3000));
        QCOMPARE(reloaded.last().first().toBool(), shown != first);
        for (const QString &name : {QStringLiteral("Image14"), QStringLiteral("Image15")})
            QCOMPARE(shownSize(*app, name), shown);
        if (shown == first)
            QCOMPARE(m_folder->read(QStringLiteral("imgtmp.gif")), firstFile);
    }
};

QTEST_MAIN(TestBanner)
#include "tst_banner.moc"
