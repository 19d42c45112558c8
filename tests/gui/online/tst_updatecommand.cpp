// The "Mise à jour" button against a real web server on 127.0.0.1: the
// published results come into the window, and no fault of the server or
// the network costs the user the chart on screen or the file on disk.
#include "app/VyloraApp.h"
#include "gui/controls/Controls.h"
#include "gui/online/Banner.h"
#include "gui/online/UpdateCommand.h"
#include "online/ServerSettings.h"
#include "storage/ChartFile.h"
#include "storage/IniDocument.h"
#include "storage/ScopedProgramFolder.h"
#include "storage/UserSettings.h"
#include "support/AnsweringPrompts.h"
#include "support/FindControl.h"
#include "support/FixedClock.h"
#include "support/LoopbackHttpServer.h"
#include "support/OnlyChild.h"
#include "support/Results2010.h"
#include "support/ShippedCharts.h"
#include "support/TemporaryProgramFolder.h"
#include "tournament/RefreshAll.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QProgressDialog>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

const QByteArray userChart = "[ButA]\r\n0=3\r\n1=0\r\n[EquipA]\r\n1=Afrique du Sud\r\n2=Mexique\r\n"
                             "3=Uruguay\r\n4=France\r\n[Lien]\r\n0=Ancien lien\r\n1=http://old.example/\r\n";

// The real tournament as the author would publish it.
QByteArray publishedChart()
{
    TemporaryProgramFolder folder;
    folder.write(QStringLiteral("VYL2010.ini"), wholeChart2010()); // its match notes stay
    Tournament t;
    t.setChartName(QStringLiteral("VYL2010"));
    nameTeams2010(t);
    t.setReady(true);
    enterResults2010(t);
    if (!SaveChart(t))
        return QByteArray();
    return folder.read(QStringLiteral("VYL2010.ini")) +
           "[CV]\r\n0=2.6\r\n[Lien]\r\n0=Le direct\r\n1=http://news.example/\r\n[Mess]\r\n0=Résultats du jour\r\n";
}

// Every text the window shows of the chart, each control by name and index.
QStringList allTexts(MainWindow &window)
{
    window.buildEveryPanel();
    const Tournament names;
    QStringList texts;
    for (const QWidget *w : window.findChildren<QWidget *>()) {
        if (names.findFamily(w->objectName()))
            texts << w->objectName() + u' ' + QString::number(controlIndex(w)) + u'=' + shownText(w);
    }
    texts.sort();
    return texts;
}

// What the window shows after loading bytes as its chart.
QStringList textsOfChart(const QByteArray &bytes)
{
    TemporaryProgramFolder folder;
    folder.write(QStringLiteral("VYL2010.ini"), bytes);
    Tournament t;
    AnsweringPrompts prompts;
    UserSettings settings;
    MainWindow window(t, prompts, settings); // the help page's worked example lives in the chart's cells
    LoadChart(t, QStringLiteral("VYL2010"), 0);
    t.setReady(true);
    RefreshAll(t);
    return allTexts(window);
}

using Answer = LoopbackHttpServer::Answer;

Answer cutShort(const QByteArray &body)
{
    Answer answer = LoopbackHttpServer::ok(body);
    answer.sendOnly = body.size() / 2;
    return answer;
}

Answer status(int code, const QByteArray &body)
{
    Answer answer = LoopbackHttpServer::ok(body, "text/html");
    answer.status = code;
    return answer;
}

Answer redirectTo(const QByteArray &location)
{
    Answer answer = status(302, QByteArray());
    answer.headers.append({"Location", location});
    return answer;
}

Answer silence()
{
    Answer answer;
    answer.silent = true;
    return answer;
}

} // namespace

class TestUpdateCommand final : public QObject
{
    Q_OBJECT

    std::unique_ptr<TemporaryProgramFolder> m_folder;
    std::unique_ptr<LoopbackHttpServer> m_server;
    AnsweringPrompts m_prompts;
    FixedClock m_clock{QDateTime(QDate(2010, 6, 20), QTime(12, 0))};
    UserSettings m_settings;
    const QByteArray m_published = publishedChart();

    std::unique_ptr<VyloraApp> startApp()
    {
        auto app = std::make_unique<VyloraApp>(m_prompts, m_clock, m_settings);
        onlyChild<UpdateCommand>(app->window()).setLimits({1024 * 1024, std::chrono::milliseconds(500)});
        onlyChild<Banner>(app->window()).setLimits({1024 * 1024, std::chrono::milliseconds(500)});
        app->start();
        app->window().show();
        if (!QTest::qWaitForWindowExposed(&app->window()))
            return nullptr;
        m_prompts.clear();
        return app;
    }

    // Clicks "Mise à jour" and waits for the update to end; cancelAt > 0
    // presses the progress window's Cancel button that many ms in.
    static bool clickUpdate(VyloraApp &app, int cancelAt = 0)
    {
        QSignalSpy finished(&onlyChild<UpdateCommand>(app.window()), &UpdateCommand::finished);
        QTest::mouseClick(findControl(app.window(), QStringLiteral("Command8")), Qt::LeftButton);
        if (cancelAt > 0) {
            QTest::qWait(cancelAt);
            auto *progress = app.window().findChild<QProgressDialog *>(QStringLiteral("UpdateProgress"));
            if (!progress || !progress->isVisible())
                return false;
            auto *cancel = progress->findChild<QAbstractButton *>();
            QTest::mouseClick(cancel, Qt::LeftButton);
        }
        return finished.wait(5000);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void init()
    {
        QVERIFY(!m_published.isEmpty());
        QSettings(m_settings.fileName(), QSettings::IniFormat).clear();
        m_folder.reset();
        m_folder = std::make_unique<TemporaryProgramFolder>();
        m_folder->write(QStringLiteral("VYL2010.ini"), userChart);
        m_server = std::make_unique<LoopbackHttpServer>();
        QVERIFY(m_server->isListening());
        QVERIFY(ServerSettings::overrideBaseUrl(m_server->url().toString()));
        m_prompts.clear();
    }

    void theResultsReplaceEveryCellAfterAPastTournament()
    {
        m_server->answer("/VYL2010.ini", LoopbackHttpServer::ok(m_published));
        m_folder->write(QStringLiteral("VYL2006.ini"), "[EquipA]\r\n1=Allemagne\r\n");
        auto app = startApp();
        QVERIFY(app);
        // A past tournament on screen, saving off, as the history list leaves it.
        app->loadChart(QStringLiteral("VYL2006"));
        auto *save = findControl(app->window(), QStringLiteral("Command3"));
        save->setEnabled(false);

        m_prompts.queueAnswer(true);
        QVERIFY(clickUpdate(*app));

        QCOMPARE(m_prompts.asked().size(), 2); // the question, and where the user's own entries went
        QVERIFY(onlyChild<UpdateCommand>(app->window()).resultsUpdated());
        QCOMPARE(allTexts(app->window()), textsOfChart(m_published));
        QCOMPARE(findControl<QLineEdit>(app->window(), QStringLiteral("ButFIN"), 1)->text(), QStringLiteral("1"));
        QVERIFY(save->isEnabled());
        QCOMPARE(m_folder->read(QStringLiteral("VYL2010.ini")), m_published);
        QCOMPARE(m_folder->read(QStringLiteral("VYL2010.bak")), userChart);
        QCOMPARE(m_server->requestCount("/imvyl.php"), 0); // banner hidden: not fetched
    }

    // Scores typed since the last "Sauve" are the user's prediction too.
    void typedScoresAreKeptBeforeTheUpdate()
    {
        m_server->answer("/VYL2010.ini", LoopbackHttpServer::ok(m_published));
        auto app = startApp();
        QVERIFY(app);
        auto *cell = findControl<QLineEdit>(app->window(), QStringLiteral("ButB"), 0);
        QVERIFY(cell);
        QTest::keyClick(cell, Qt::Key_End);
        QTest::keyClick(cell, Qt::Key_7);

        m_prompts.queueAnswer(true);
        QVERIFY(clickUpdate(*app));

        const IniDocument kept(m_folder->read(QStringLiteral("pronostics/Mon pronostic.ini")));
        QCOMPARE(kept.value(QStringLiteral("ButB"), QStringLiteral("0")).value_or(QString()), QStringLiteral("7"));
        QCOMPARE(kept.value(QStringLiteral("ButA"), QStringLiteral("0")).value_or(QString()), QStringLiteral("3"));
        QCOMPARE(m_prompts.asked().last().text, QStringLiteral("Pronostic gardé sous le nom Mon pronostic."));
    }

    void answeringNoAsksNothingOfTheServer()
    {
        m_server->answer("/VYL2010.ini", LoopbackHttpServer::ok(m_published));
        auto app = startApp();
        QVERIFY(app);
        m_prompts.queueAnswer(false);
        QTest::mouseClick(findControl(app->window(), QStringLiteral("Command8")), Qt::LeftButton);
        QTest::qWait(100);
        QVERIFY(m_server->requests().isEmpty());
        QVERIFY(!onlyChild<UpdateCommand>(app->window()).resultsUpdated());
        QCOMPARE(m_folder->read(QStringLiteral("VYL2010.ini")), userChart);
    }

    void aSecondClickDuringTheDownloadStartsNothing()
    {
        m_server->answer("/VYL2010.ini", silence());
        auto app = startApp();
        QVERIFY(app);
        QSignalSpy finished(&onlyChild<UpdateCommand>(app->window()), &UpdateCommand::finished);
        QWidget *button = findControl(app->window(), QStringLiteral("Command8"));
        QTest::mouseClick(button, Qt::LeftButton);
        QTRY_COMPARE(m_server->requests().size(), 1);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(finished.wait(5000));
        QCOMPARE(m_server->requests().size(), 1);
        QCOMPARE(m_prompts.asked().size(), 2); // one question, one failure
    }

    void aFailedUpdateKeepsTheChartAndItsFile_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<int>("cancelAt");
        const QByteArray chart = publishedChart();
        QTest::newRow("connection refused") << true << Answer() << 0;
        QTest::newRow("404") << false << status(404, "<html>Introuvable</html>") << 0;
        QTest::newRow("500") << false << status(500, "<html>Erreur</html>") << 0;
        QTest::newRow("HTML page with 200")
            << false << LoopbackHttpServer::ok("<!DOCTYPE html><html><body>Maintenance</body></html>", "text/html")
            << 0;
        QTest::newRow("empty body") << false << LoopbackHttpServer::ok(QByteArray()) << 0;
        QTest::newRow("body cut short") << false << cutShort(chart) << 0;
        QTest::newRow("body over the cap")
            << false << LoopbackHttpServer::ok(chart + QByteArray(1024 * 1024, ';')) << 0;
        QTest::newRow("server that never answers") << false << silence() << 0;
        QTest::newRow("Cancel") << false << silence() << 150;
    }

    void aFailedUpdateKeepsTheChartAndItsFile()
    {
        QFETCH(bool, refused);
        QFETCH(Answer, answer);
        QFETCH(int, cancelAt);
        if (refused)
            QVERIFY(ServerSettings::overrideBaseUrl(LoopbackHttpServer::refusingUrl().toString()));
        m_server->answer("/VYL2010.ini", answer);
        auto app = startApp();
        QVERIFY(app);
        const QStringList before = allTexts(app->window());

        m_prompts.queueAnswer(true);
        QVERIFY(clickUpdate(*app, cancelAt));

        QCOMPARE(m_prompts.asked().size(), 2);
        const AnsweringPrompts::Asked &notice = m_prompts.asked().last();
        QCOMPARE(notice.kind, AnsweringPrompts::Kind::Notice);
        QCOMPARE(notice.title, QStringLiteral("Vylora 2010"));
        // The program's own words first, then where it asked.
        const QStringList lines = notice.text.split(u'\n');
        QCOMPARE(lines.value(0), QStringLiteral("Erreur de connexion !"));
        QCOMPARE(lines.value(1), QStringLiteral("Serveur : ") +
                                     ServerSettings::address(QStringLiteral("/VYL2010.ini")).toString());
        QVERIFY2(notice.text.endsWith(u'.'), qPrintable(notice.text));
        QCOMPARE(m_folder->read(QStringLiteral("VYL2010.ini")), userChart);
        QVERIFY(!QFile::exists(m_folder->filePath(QStringLiteral("VYL2010.bak"))));
        QCOMPARE(allTexts(app->window()), before);
        QVERIFY(!onlyChild<UpdateCommand>(app->window()).resultsUpdated());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void theProgressWindowSaysHowMuchHasArrived()
    {
        Answer drip = LoopbackHttpServer::ok(m_published);
        drip.dripMs = 1;
        m_server->answer("/VYL2010.ini", drip);
        auto app = startApp();
        QVERIFY(app);
        m_prompts.queueAnswer(true);
        QTest::mouseClick(findControl(app->window(), QStringLiteral("Command8")), Qt::LeftButton);
        auto *progress = app->window().findChild<QProgressDialog *>(QStringLiteral("UpdateProgress"));
        QVERIFY(progress);
        QTRY_VERIFY(progress->labelText().endsWith(QStringLiteral("\n1 Ko reçus")));
        QSignalSpy finished(&onlyChild<UpdateCommand>(app->window()), &UpdateCommand::finished);
        QTest::mouseClick(progress->findChild<QAbstractButton *>(), Qt::LeftButton);
        QVERIFY(finished.wait(5000));
    }

    // The same chart behind every address, so that only the address decides.
    void onlyRedirectsWithinTheSiteAreFollowed_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("followed");
        QTest::newRow("another path") << "http://127.0.0.1:PORT/2010/latest.ini" << true;
        QTest::newRow("another host name") << "http://localhost:PORT/2010/latest.ini" << false;
        QTest::newRow("another port") << "http://127.0.0.1:ELSEWHERE/2010/latest.ini" << false;
        QTest::newRow("another scheme") << "https://127.0.0.1:PORT/2010/latest.ini" << false;
    }

    void onlyRedirectsWithinTheSiteAreFollowed()
    {
        QFETCH(QString, target);
        QFETCH(bool, followed);
        LoopbackHttpServer elsewhere;
        elsewhere.answer("/2010/latest.ini", LoopbackHttpServer::ok(m_published));
        target.replace(QStringLiteral("ELSEWHERE"), QString::number(elsewhere.url().port()));
        target.replace(QStringLiteral("PORT"), QString::number(m_server->url().port()));
        m_server->answer("/VYL2010.ini", redirectTo(target.toUtf8()));
        m_server->answer("/2010/latest.ini", LoopbackHttpServer::ok(m_published));
        auto app = startApp();
        QVERIFY(app);
        m_prompts.queueAnswer(true);
        QVERIFY(clickUpdate(*app));
        QCOMPARE(onlyChild<UpdateCommand>(app->window()).resultsUpdated(), followed);
        QCOMPARE(m_folder->read(QStringLiteral("VYL2010.ini")), followed ? m_published : userChart);
    }
};

QTEST_MAIN(TestUpdateCommand)
#include "tst_updatecommand.moc"
