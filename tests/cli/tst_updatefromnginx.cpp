// The published chart is a static file: "vylora --update" works from a stock
// web server, Debian's nginx on 127.0.0.1 serving a site folder, and asks
// it only for a chart that changed.
#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

#include "cli/ChartUpdate.h"
#include "online/ServerSettings.h"
#include "storage/UserSettings.h"
#include "support/ShippedCharts.h"
#include "support/TemporaryProgramFolder.h"

class TestUpdateFromNginx final : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir; // nginx's configuration, logs and temporaries, and the site folder
    QProcess m_nginx;
    quint16 m_port = 0;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // nginx's validators go by the second: a new file has a new time.
    void publish(const QByteArray &chart, int second) const
    {
        QFile file(path(QStringLiteral("site/VYL2010.ini")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(chart) == chart.size() && file.flush());
        QVERIFY(file.setFileTime(QDateTime::fromSecsSinceEpoch(1276000000 + second),
                                 QFileDevice::FileModificationTime));
    }

    bool listening() const
    {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, m_port);
        return probe.waitForConnected(200);
    }

    static std::pair<int, QString> update()
    {
        QString told;
        QTextStream out(&told);
        QTextStream err(&told);
        const int code = runChartUpdate(out, err);
        return {code, told};
    }

private slots:
    void initTestCase()
    {
        const QString nginx =
            QStandardPaths::findExecutable(QStringLiteral("nginx"), {QStringLiteral("/usr/sbin")});
        if (nginx.isEmpty())
            QSKIP("nginx is not installed");
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("site")));
        QTcpServer free;
        QVERIFY(free.listen(QHostAddress::LocalHost));
        m_port = free.serverPort();
        free.close();
        // One process under the user running the test: no root, nothing
        // written outside the temporary folder.
        QFile conf(path(QStringLiteral("nginx.conf")));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        QTextStream(&conf) << QStringLiteral(
                                  "daemon off; master_process off; pid %1/nginx.pid; error_log %1/error.log;\n"
                                  "events {}\n"
                                  "http { access_log %1/access.log; client_body_temp_path %1/tmp;\n"
                                  "  proxy_temp_path %1/tmp; fastcgi_temp_path %1/tmp;\n"
                                  "  uwsgi_temp_path %1/tmp; scgi_temp_path %1/tmp;\n"
                                  "  server { listen 127.0.0.1:%2; root %1/site; } }\n")
                                  .arg(m_dir.path())
                                  .arg(m_port);
        conf.close();
        m_nginx.start(nginx, {QStringLiteral("-e"), path(QStringLiteral("error.log")), QStringLiteral("-p"),
                              m_dir.path(), QStringLiteral("-c"), conf.fileName()});
        QTRY_VERIFY_WITH_TIMEOUT(listening(), 10000);
        QSettings(UserSettings().fileName(), QSettings::IniFormat).clear();
        QVERIFY(ServerSettings::overrideBaseUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_port)));
    }

    void cleanupTestCase()
    {
        m_nginx.terminate();
        m_nginx.waitForFinished(5000);
    }

    void theUpdateComesFromTheSiteFolderAndOnlyWhenItChanged()
    {
        TemporaryProgramFolder folder;
        folder.write(QStringLiteral("VYL2010.ini"), wholeChart2010());
        const QByteArray first = wholeChart2010({{"ButA", 0, "1"}, {"ButA", 1, "1"}});
        publish(first, 0);
        QCOMPARE(update(), std::make_pair(0, QStringLiteral("chart updated: 2 scores played (was 0), published "
                                                            "version -; previous file kept as VYL2010.bak\n")));

        QCOMPARE(update(), std::make_pair(0, QStringLiteral("chart already up to date; nothing written\n")));
        QCOMPARE(folder.read(QStringLiteral("VYL2010.ini")), first);

        const QByteArray next = wholeChart2010({{"ButA", 0, "1"}, {"ButA", 1, "1"}, {"ButA", 2, "0"}});
        publish(next, 1);
        QCOMPARE(update().first, 0);
        QCOMPARE(folder.read(QStringLiteral("VYL2010.ini")), next);
        QFile log(path(QStringLiteral("access.log")));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readAll().count("\" 304 "), 1);
    }
};

QTEST_GUILESS_MAIN(TestUpdateFromNginx)
#include "tst_updatefromnginx.moc"
