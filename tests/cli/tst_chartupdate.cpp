// "vylora --update": the same update as the button, told in one line, against
// a server that misbehaves as each row says, and against Debian's nginx.
// Whatever a server does, the user's chart is the published one or byte for
// byte what it was.
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTextStream>
#include <QtTest>

#include "cli/ChartUpdate.h"
#include "online/ServerSettings.h"
#include "storage/UserSettings.h"
#include "support/LoopbackHttpServer.h"
#include "support/ShippedCharts.h"
#include "support/TemporaryProgramFolder.h"

namespace {

using Answer = LoopbackHttpServer::Answer;

Answer answer(
    const QByteArray &body, void (*change)(Answer &) = [](Answer &) {})
{
    Answer a = LoopbackHttpServer::ok(body);
    change(a);
    return a;
}

QString failed(const char *why)
{
    return QStringLiteral("1 update failed: %1; chart unchanged\n").arg(QString::fromUtf8(why));
}

QString update(std::chrono::milliseconds deadline = std::chrono::seconds(60))
{
    QString told;
    QTextStream out(&told);
    return QString::number(runChartUpdate(out, out, QStringLiteral("Mon pronostic"), {1024 * 1024, std::chrono::seconds(30), deadline})) + u' ' +
           told;
}

} // namespace

class TestChartUpdate final : public QObject
{
    Q_OBJECT

    const QByteArray userChart = wholeChart2010({{"ButA", 0, "3"}, {"ButA", 1, "0"}});
    const QByteArray published =
        wholeChart2010({{"ButA", 0, "1"}, {"ButA", 1, "1"}, {"ButA", 2, "0"}, {"ButA", 3, "2"}, {"CV", 0, "2.7"}});
    const QString updatedAgain = QStringLiteral("0 chart updated: 4 scores played (was 2), published version 2.7, newer "
                                                "than this program; previous file kept as VYL2010.bak\n");
    const QString updated =
        updatedAgain.chopped(1) + QStringLiteral("; your own entries kept as the prediction \"Mon pronostic\"\n");

private slots:
    void init() { QSettings(UserSettings().fileName(), QSettings::IniFormat).clear(); }
    void cleanup() { ServerSettings::clearOverride(); }

    void oneLineSaysWhatHappened_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("savedSince");
        QTest::addColumn<QString>("line");
        const QString notWhole = failed("the server sent no whole 2010 chart");
        const QByteArray utf8 = QStringDecoder("windows-1252").decode(published).operator QString().toUtf8();
        QTest::newRow("published chart") << answer(published) << false << updated;
        QTest::newRow("server error") << answer("busy", [](Answer &a) { a.status = 503; }) << false
                                      << failed("the server answered HTTP 503");
        QTest::newRow("half, then closed without a length")
            << answer(published, [](Answer &a) { a.unannounced = true, a.sendOnly = a.body.size() / 2; }) << false
            << notWhole;
        QTest::newRow("group A only") << answer(published.left(published.indexOf("[ButB]"))) << false << notWhole;
        QTest::newRow("the 1998 chart")
            << answer(shippedChart(QStringLiteral("VYL1998.ini"))) << false << notWhole;
        QTest::newRow("a byte every 50 ms past the deadline")
            << answer(published, [](Answer &a) { a.dripMs = 50; }) << false
            << failed("the download took too long");
        QTest::newRow("UTF-8 with a byte-order mark") << answer("\xEF\xBB\xBF" + utf8) << false << updated;
        QTest::newRow("UTF-8 without a mark") << answer(utf8) << false << updated;
        QTest::newRow("redirect loop") << answer({}, [](Answer &a) {
            a.status = 302, a.headers = {{"Location", "/VYL2010.ini"}};
        }) << false << failed("the server redirects in a loop");
        QTest::newRow("corrupt gzip") << answer(utf8, [](Answer &a) {
            a.headers = {{"Content-Encoding", "gzip"}};
        }) << false << failed("the compressed answer is damaged");
        QTest::newRow("not modified since the last update")
            << answer(published, [](Answer &a) { a.etag = "\"v1\""; }) << false
            << "0 chart already up to date; nothing written\n";
        QTest::newRow("saved over since the last update")
            << answer(published, [](Answer &a) { a.etag = "\"v1\""; }) << true << updatedAgain;
        QTest::newRow("whole chart, then closed before the announced length")
            << answer(published + "[Note]\r\n0=" + QByteArray(4096, 'x') + "\r\n",
                      [](Answer &a) { a.sendOnly = a.body.indexOf("[Note]"); })
            << false << failed("the answer was cut short");
    }

    void oneLineSaysWhatHappened()
    {
        QFETCH(Answer, answer);
        QFETCH(bool, savedSince);
        QFETCH(QString, line);
        TemporaryProgramFolder folder;
        folder.write(QStringLiteral("VYL2010.ini"), userChart);
        LoopbackHttpServer server;
        server.answer("/VYL2010.ini", answer);
        QVERIFY(ServerSettings::overrideBaseUrl(server.url().toString()));
        // A first update brings the version that the second one names.
        if (!answer.etag.isEmpty()) {
            QVERIFY(update().startsWith(u'0'));
            if (savedSince)
                folder.write(QStringLiteral("VYL2010.ini"), userChart);
        }
        QCOMPARE(update(std::chrono::seconds(1)), line);
        QCOMPARE(folder.read(QStringLiteral("VYL2010.ini")), line.startsWith(u'0') ? published : userChart);
    }

    // The site folder on a stock web server, nginx as Debian ships it, in
    // one process under the user running the test, writing nowhere else.
    void aStockWebServerServesTheUpdate()
    {
        const QString nginx =
            QStandardPaths::findExecutable(QStringLiteral("nginx"), {QStringLiteral("/usr/sbin")});
        if (nginx.isEmpty())
            QSKIP("nginx is not installed");
        QTemporaryDir site;
        QTcpServer free;
        QVERIFY(free.listen(QHostAddress::LocalHost));
        const QString port = QString::number(free.serverPort());
        free.close();
        QFile conf(site.filePath(QStringLiteral("nginx.conf")));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        QTextStream(&conf) << QStringLiteral(
                                  "daemon off; master_process off; pid %1/pid; events {} http { "
                                  "access_log %1/log; client_body_temp_path %1/t; proxy_temp_path %1/t; "
                                  "fastcgi_temp_path %1/t; uwsgi_temp_path %1/t; scgi_temp_path %1/t; "
                                  "server { listen 127.0.0.1:%2; root %1; } }")
                                  .arg(site.path(), port);
        conf.close();
        QProcess server;
        server.start(nginx, {QStringLiteral("-e"), site.filePath(QStringLiteral("errors")), QStringLiteral("-p"),
                             site.path(), QStringLiteral("-c"), conf.fileName()});
        QVERIFY(server.waitForStarted());
        QVERIFY(ServerSettings::overrideBaseUrl(QStringLiteral("http://127.0.0.1:") + port));
        TemporaryProgramFolder folder;
        folder.write(QStringLiteral("VYL2010.ini"), userChart);
        // nginx's validators go by the second: a publication has its own.
        const QString next = QStringLiteral("0 chart updated: 0 scores played (was %1), published version %2");
        const std::array<std::pair<int, QString>, 3> runs{{
            {0,
             next.arg(2).arg(QStringLiteral("2.7, newer than this program; previous file kept as VYL2010.bak; "
                                            "your own entries kept as the prediction \"Mon pronostic\"\n"))},
            {0, QStringLiteral("0 chart already up to date; nothing written\n")},
            {1, next.arg(0).arg(QStringLiteral("2.6; previous file kept as VYL2010.bak\n"))},
        }};
        for (const auto &[second, line] : runs) {
            QFile chart(site.filePath(QStringLiteral("VYL2010.ini")));
            const QByteArray bytes = wholeChart2010({{"CV", 0, second ? "2.6" : "2.7"}});
            QVERIFY(chart.open(QIODevice::WriteOnly) && chart.write(bytes) == bytes.size() && chart.flush());
            QVERIFY(chart.setFileTime(QDateTime::fromSecsSinceEpoch(1276000000 + second),
                                      QFileDevice::FileModificationTime));
            QString told;
            QVERIFY(QTest::qWaitFor([&] { return !(told = update()).contains(QStringLiteral("no connection")); },
                                    10000)); // while nginx starts
            QCOMPARE(told, line);
            QCOMPARE(folder.read(QStringLiteral("VYL2010.ini")), bytes);
        }
        server.terminate();
        server.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestChartUpdate)
#include "tst_chartupdate.moc"
