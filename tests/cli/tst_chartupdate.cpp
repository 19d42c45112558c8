// "vylora --update": the same update as the button, told in one line.
#include <QTextStream>
#include <QtTest>

#include "cli/ChartUpdate.h"
#include "online/ServerSettings.h"
#include "support/LoopbackHttpServer.h"
#include "support/TemporaryProgramFolder.h"

namespace {

const QByteArray userChart = "[ButA]\r\n0=3\r\n1=0\r\n";
const QByteArray published = "[ButA]\r\n0=1\r\n1=1\r\n2=0\r\n3=2\r\n[CV]\r\n0=2.7\r\n";

} // namespace

class TestChartUpdate final : public QObject
{
    Q_OBJECT

private slots:
    void oneLineSaysWhatHappened_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("published chart")
            << 200 << published << 0
            << "chart updated: 4 scores played (was 2), published version 2.7, newer than this program; "
               "previous file kept as VYL2010.bak\n"
            << "";
        QTest::newRow("server error") << 503 << QByteArray("busy") << 1 << ""
                                      << "update failed: the server answered HTTP 503; chart unchanged\n";
    }

    void oneLineSaysWhatHappened()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        TemporaryProgramFolder folder;
        folder.write(QStringLiteral("VYL2010.ini"), userChart);
        LoopbackHttpServer server;
        LoopbackHttpServer::Answer answer = LoopbackHttpServer::ok(body);
        answer.status = status;
        server.answer("/VYL2010.ini", answer);
        QVERIFY(ServerSettings::overrideBaseUrl(server.url().toString()));

        QString written;
        QString told;
        QTextStream outStream(&written);
        QTextStream errStream(&told);
        QCOMPARE(runChartUpdate(outStream, errStream), exitCode);
        QCOMPARE(written, out);
        QCOMPARE(told, err);
        QCOMPARE(folder.read(QStringLiteral("VYL2010.ini")), exitCode == 0 ? published : userChart);
    }
};

QTEST_GUILESS_MAIN(TestChartUpdate)
#include "tst_chartupdate.moc"
