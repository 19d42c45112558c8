// Hostile probes of the pool, its server and the program's side of it,
// against real servers on 127.0.0.1 and real files: a row per fault, which
// says what its probe found.
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QPixmapCache>
#include <QTcpSocket>
#include <QTest>

#include "cli/PoolCommand.h"
#include "gui/pictures/Pictures.h"
#include "online/ServerSettings.h"
#include "server/pool/Pool.h"
#include "support/LocalUpdateServer.h"
#include "support/LoopbackHttpServer.h"
#include "support/ResultsChart2010.h"
#include "support/TemporaryProgramFolder.h"

namespace {

const QByteArray chart = fileBytes(QStringLiteral(VYLORA_DATA_DIR "/VYL2010.ini"));

// A pool on a real server, its clock before the opening kick-off.
struct PoolSite
{
    explicit PoolSite(const ConnectionLimits &limits = {})
        : http(PublisherPassword("le bon mot de passe"), limits)
        , pool(http.folder(), {}, [] { return QDateTime(QDate(2010, 6, 1), QTime(12, 0), Qt::UTC); })
    {
        pool.addPages(http.server());
        http.write(QStringLiteral("VYL2010.ini"), chart);
    }
    QString join(const QString &pseudo)
    {
        const HttpAnswer joined =
            http.post(QStringLiteral("/pool/join?format=json&pseudo=") + pseudo, "text/plain", {});
        return QJsonDocument::fromJson(joined.body).object().value(QStringLiteral("token")).toString();
    }
    // The whole answer, head included, to a send from the client `realIp` names.
    QByteArray send(const QString &token, const QByteArray &realIp) const
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, http.port());
        socket.write("POST /pool/prediction?pseudo=alice&token=" + token.toLatin1() +
                     " HTTP/1.1\r\nConnection: close\r\nX-Real-IP: " + realIp +
                     "\r\nContent-Length: " + QByteArray::number(chart.size()) + "\r\n\r\n" + chart);
        (void)QTest::qWaitFor([&] { return socket.state() == QAbstractSocket::UnconnectedState; }, 3000);
        return socket.readAll();
    }
    LocalUpdateServer http;
    Pool pool;
};

// Runs `probe` while `path` is a pipe nobody writes to: false when it waited
// for a writer, which it is then given so that it ends.
bool endsBesideAPipe(const QString &path, const std::function<void()> &probe)
{
    const QByteArray name = QFile::encodeName(path);
    ::mkfifo(name.constData(), 0600);
    const std::future<void> done = std::async(std::launch::async, probe);
    const bool ended = done.wait_for(std::chrono::seconds(2)) == std::future_status::ready;
    while (done.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
        ::close(::open(name.constData(), O_RDWR | O_NONBLOCK));
    ::unlink(name.constData());
    return ended;
}

// Each pair is one player however it is written; each lone pseudo none.
QString joins(const QStringList &pairs, const QStringList &unfit)
{
    PoolSite site;
    QStringList faults;
    for (qsizetype i = 0; i + 1 < pairs.size(); i += 2)
        if (site.join(pairs[i]).isEmpty() || !site.join(pairs[i + 1]).isEmpty())
            faults << pairs[i];
    for (const QString &pseudo : unfit)
        if (!site.join(pseudo).isEmpty())
            faults << QString::number(pseudo.toUcs4().last(), 16);
    return faults.join(u' ');
}

// Runs `draw` with the pictures kept in a folder of its own, where `file`
// is to keep the printer's picture once drawn.
void inOwnCache(const std::function<void(const QString &file)> &draw)
{
    QTemporaryDir cache;
    Pictures::keepStartPictures(cache.path());
    QPixmapCache::clear();
    draw(cache.filePath(QStringLiteral("printer-40x40.argb")));
    Pictures::keepStartPictures(QString());
}

} // namespace

using Probe = std::function<QString()>;
Q_DECLARE_METATYPE(Probe)

class TestPoolFaults final : public QObject
{
    Q_OBJECT

private slots:
    void eachFaultHolds_data()
    {
        QTest::addColumn<Probe>("probe");
        QTest::newRow("the database's files are never served") << Probe([] {
            PoolSite site;
            site.join(QStringLiteral("alice"));
            const QString wal = site.http.folder() + QStringLiteral("/pool.sqlite-wal");
            QFile::setPermissions(wal, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
            const int served = site.http.get(QStringLiteral("/pool.sqlite-wal")).status;
            const Pool restarted(site.http.folder(), {}, [] { return QDateTime(); });
            return served != 404 || (QFile::permissions(wal) & QFile::ReadOther)
                       ? QStringLiteral("the log is served")
                       : QString();
        });
        QTest::newRow("joins and wrong tokens braked apart, per client behind a proxy") << Probe([] {
            ConnectionLimits limits;
            limits.proxy = QHostAddress::LocalHost;
            PoolSite site(limits);
            const QString token = site.join(QStringLiteral("alice"));
            for (int i = 0; i < 6; ++i)
                site.join(QStringLiteral("friend%1").arg(i));
            QByteArray wrong, right = site.send(token, "192.0.2.2");
            for (int i = 0; i < 6; ++i)
                wrong = site.send(QString(32, u'0'), "192.0.2.1");
            right += site.send(token, "192.0.2.2");
            return right.count("HTTP/1.1 200") == 2 && wrong.contains("429") && wrong.contains("\r\nRetry-After: ")
                       ? QString()
                       : QString::fromLatin1(right.left(12) + wrong.left(12));
        });
        QTest::newRow("a second server's account") << Probe([] {
            PoolSite first, second;
            const TemporaryProgramFolder program;
            program.write(QStringLiteral("VYL2010.ini"), chart);
            QString ignored;
            QTextStream quiet(&ignored);
            for (PoolSite *site : {&first, &second}) {
                ServerSettings::overrideBaseUrl(site->http.base());
                runPoolJoin(site == &first ? QStringLiteral("alice") : QStringLiteral("bob"), {}, quiet, quiet);
            }
            // Bob's token in place of alice's would be refused.
            ServerSettings::overrideBaseUrl(first.http.base());
            const bool sent = runPoolSend(quiet, quiet) == 0;
            ServerSettings::clearOverride();
            return sent ? QString() : QStringLiteral("the first server's account is gone");
        });
        QTest::newRow("a link in the pictures' cache") << Probe([] {
            const QTemporaryDir home;
            const QString own = home.filePath(QStringLiteral("letter.txt"));
            QFile(own).open(QIODevice::WriteOnly);
            inOwnCache([&](const QString &file) {
                QFile::link(own, file);
                Pictures::printer(QSize(40, 40));
            });
            return QFileInfo(own).size() > 0 ? QStringLiteral("written through the link") : QString();
        });
        QTest::newRow("a named pipe in place of a kept picture") << Probe([] {
            bool ended = false;
            inOwnCache([&](const QString &file) {
                ended = endsBesideAPipe(file, [] { Pictures::printer(QSize(40, 40)); });
            });
            return ended ? QString() : QStringLiteral("waited for a writer");
        });
        QTest::newRow("pseudos folded fully, none blank or look-alike") << Probe([] {
            return joins(QStringLiteral("Straße STRASSE İstanbul i\u0307stanbul \uFB01lou filou").split(u' '),
                         QStringLiteral("\u3164 \u2800 \u0301 alice\u3164 bob\uFE0F").split(u' '));
        });
        QTest::newRow("pseudos reach a terminal escaped") << Probe([] {
            LoopbackHttpServer hostile;
            hostile.answer(
                "/pool/ranking?format=json",
                LoopbackHttpServer::ok("{\"players\":[{\"pseudo\":\"x\\u001b]0;pwned\\u0007\\u009b2J\"}]}"));
            ServerSettings::overrideBaseUrl(hostile.url().toString());
            QString printed;
            QTextStream out(&printed);
            runPoolRanking({}, out, out);
            out.flush();
            ServerSettings::clearOverride();
            return printed.contains(u'x') && !printed.contains(QChar(0x1b)) && !printed.contains(QChar(0x9b))
                       ? QString()
                       : printed.toHtmlEscaped();
        });
        QTest::newRow("a token however the query spells it") << Probe([] {
            PoolSite site;
            for (const char *query : {"pseudo=alice;token=SECRET", "pseudo=alice&token%3DSECRET", "TOKEN=SECRET"})
                site.http.get(QStringLiteral("/pool/prediction?") + QLatin1String(query));
            return site.http.log().contains(QStringLiteral("SECRET")) ? site.http.log() : QString();
        });
    }

    void eachFaultHolds()
    {
        QFETCH(Probe, probe);
        const QString fault = probe();
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
};

QTEST_MAIN(TestPoolFaults)
#include "tst_poolfaults.moc"
