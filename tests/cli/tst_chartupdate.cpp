// "vylora --update": the same update as the button, told in one line, against
// a server that misbehaves as each row says. Whatever it does, the user's
// chart is either the published one or byte for byte what it was.
#include <QSettings>
#include <QStringEncoder>
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

const QString updated = QStringLiteral("chart updated: 4 scores played (was 2), published version 2.7, newer than "
                                       "this program; previous file kept as VYL2010.bak");
const QString notWhole = QStringLiteral("update failed: the server sent no whole 2010 chart; chart unchanged");

Answer answer(
    const QByteArray &body, void (*change)(Answer &) = [](Answer &) {})
{
    Answer a = LoopbackHttpServer::ok(body);
    change(a);
    return a;
}

QByteArray utf8(const QByteArray &codePage)
{
    return QStringDecoder("windows-1252").decode(codePage).operator QString().toUtf8();
}

} // namespace

class TestChartUpdate final : public QObject
{
    Q_OBJECT

    const QByteArray userChart = wholeChart2010({{"ButA", 0, "3"}, {"ButA", 1, "0"}});
    const QByteArray published =
        wholeChart2010({{"ButA", 0, "1"}, {"ButA", 1, "1"}, {"ButA", 2, "0"}, {"ButA", 3, "2"}, {"CV", 0, "2.7"}});

    static std::pair<int, QString> update()
    {
        QString told;
        QTextStream out(&told);
        QTextStream err(&told);
        const int code =
            runChartUpdate(out, err, {1024 * 1024, std::chrono::seconds(30), std::chrono::seconds(1)});
        return {code, told};
    }

private slots:
    void init() { QSettings(UserSettings().fileName(), QSettings::IniFormat).clear(); }
    void cleanup() { ServerSettings::clearOverride(); }

    void oneLineSaysWhatHappened_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("savedSince");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("line");
        const QByteArray half = published.left(published.size() / 2);
        QTest::newRow("published chart") << answer(published) << false << 0 << updated;
        QTest::newRow("server error") << answer("busy", [](Answer &a) { a.status = 503; }) << false << 1
                                      << "update failed: the server answered HTTP 503; chart unchanged";
        QTest::newRow("half, then closed without a length")
            << answer(published, [](Answer &a) { a.unannounced = true, a.sendOnly = a.body.size() / 2; }) << false
            << 1 << notWhole;
        QTest::newRow("group A only") << answer(published.left(published.indexOf("[ButB]"))) << false << 1
                                      << notWhole;
        QTest::newRow("the 1998 chart")
            << answer(shippedChart(QStringLiteral("VYL1998.ini"))) << false << 1 << notWhole;
        QTest::newRow("a byte every 50 ms past the deadline")
            << answer(published, [](Answer &a) { a.dripMs = 50; }) << false << 1
            << "update failed: the download took too long; chart unchanged";
        QTest::newRow("UTF-8 with a byte-order mark")
            << answer("\xEF\xBB\xBF" + utf8(published)) << false << 0 << updated;
        QTest::newRow("UTF-8 without a mark") << answer(utf8(published)) << false << 0 << updated;
        QTest::newRow("redirect loop") << answer({}, [](Answer &a) {
            a.status = 302, a.headers = {{"Location", "/VYL2010.ini"}};
        }) << false << 1 << "update failed: the server redirects in a loop; chart unchanged";
        QTest::newRow("corrupt gzip") << answer(half, [](Answer &a) {
            a.headers = {{"Content-Encoding", "gzip"}};
        }) << false << 1 << "update failed: the compressed answer is damaged; chart unchanged";
        QTest::newRow("not modified since the last update")
            << answer(published, [](Answer &a) { a.etag = "\"v1\""; }) << false << 0
            << "chart already up to date; nothing written";
        QTest::newRow("saved over since the last update")
            << answer(published, [](Answer &a) { a.etag = "\"v1\""; }) << true << 0 << updated;
    }

    void oneLineSaysWhatHappened()
    {
        QFETCH(Answer, answer);
        QFETCH(bool, savedSince);
        QFETCH(int, exitCode);
        QFETCH(QString, line);
        TemporaryProgramFolder folder;
        folder.write(QStringLiteral("VYL2010.ini"), userChart);
        LoopbackHttpServer server;
        server.answer("/VYL2010.ini", answer);
        QVERIFY(ServerSettings::overrideBaseUrl(server.url().toString()));
        // A first update brings the version that the second one names.
        if (!answer.etag.isEmpty()) {
            QCOMPARE(update().first, 0);
            if (savedSince)
                folder.write(QStringLiteral("VYL2010.ini"), userChart);
        }

        QCOMPARE(update(), std::make_pair(exitCode, line + u'\n'));
        QCOMPARE(folder.read(QStringLiteral("VYL2010.ini")), exitCode == 0 ? published : userChart);
    }
};

QTEST_GUILESS_MAIN(TestChartUpdate)
#include "tst_chartupdate.moc"
