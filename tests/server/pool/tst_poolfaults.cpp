// Hostile probes of the pool, its server and the program's side of it,
// against real servers on 127.0.0.1 and real files: a row per fault, which
// says what its probe found.
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>

#include <QJsonDocument>
#include <QJsonObject>
#include <QPixmapCache>
#include <QTcpSocket>
#include <QTest>

#include "cli/PoolCommand.h"
#include "gui/pictures/Pictures.h"
#include "online/PoolClient.h"
#include "online/ServerSettings.h"
#include "server/pool/Pool.h"
#include "storage/TextFileReading.h"
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
        const QByteArray body = http.post(QStringLiteral("/pool/join?format=json&pseudo=") +
                                              QString::fromLatin1(QUrl::toPercentEncoding(pseudo)),
                                          "text/plain", {})
                                    .body;
        return QJsonDocument::fromJson(body).object().value(QStringLiteral("token")).toString();
    }
    // The whole answer, head included, to a send from the client `realIp` names.
    QByteArray send(const QString &token, const QByteArray &realIp = {}) const
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
    std::atomic<bool> done = false;
    std::thread run([&] { probe(), done = true; });
    const bool waited = !QTest::qWaitFor([&] { return done.load(); }, 2000);
    for (; !done; QThread::msleep(10))
        ::close(::open(name.constData(), O_RDWR | O_NONBLOCK));
    run.join();
    ::unlink(name.constData());
    return !waited;
}

// What the program's ranking command printed from a server that answers `json`.
QString rankingFrom(const LoopbackHttpServer::Answer &json)
{
    LoopbackHttpServer hostile;
    hostile.answer("/pool/ranking?format=json", json);
    ServerSettings::overrideBaseUrl(hostile.url().toString());
    QString printed;
    QTextStream out(&printed);
    runPoolRanking(false, out, out);
    ServerSettings::clearOverride();
    return out.flush(), printed;
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

// What `draw` left of the picture it had kept: cut short, or a link.
QString keptPicture(const std::function<void(const QString &file)> &draw)
{
    QTemporaryDir cache;
    Pictures::keepStartPictures(cache.path());
    QPixmapCache::clear();
    draw(cache.filePath(QStringLiteral("printer-40x40.argb")));
    Pictures::keepStartPictures(QString());
    const QFileInfo kept(cache.filePath(QStringLiteral("printer-40x40.argb")));
    return kept.exists() && (kept.isSymLink() || kept.size() < 6400) ? QStringLiteral("cut, or a link")
                                                                     : QString();
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
        QTest::newRow("the program's answer cap") << Probe([] {
            const QString printed = rankingFrom(LoopbackHttpServer::ok(
                "{\"players\":[" + QByteArray("{},").repeated(2 << 20) + "{}]}", "application/json"));
            return printed.contains(u"larger than") ? QString() : printed;
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
            ServerSettings::overrideBaseUrl(first.http.base());
            const bool sent = PoolClient::account().pseudo == u"alice" && runPoolSend(quiet, quiet) == 0;
            ServerSettings::clearOverride();
            return sent ? QString() : QStringLiteral("the first server's account is gone");
        });
        QTest::newRow("a link in the pictures' cache") << Probe([] {
            const QTemporaryDir home;
            const QString own = home.filePath(QStringLiteral("letter.txt"));
            QFile(own).open(QIODevice::WriteOnly);
            const QString found = keptPicture([&](const QString &file) {
                QFile::link(own, file);
                Pictures::printer(QSize(40, 40));
            });
            return QFileInfo(own).size() > 0 ? QStringLiteral("written through the link") : found;
        });
        QTest::newRow("a named pipe in place of a file") << Probe([] {
            const TemporaryProgramFolder program;
            QStringList waited;
            for (const QString &name : {QStringLiteral("VYL2010.ini"), QStringLiteral("langEn.txt")})
                if (!endsBesideAPipe(program.filePath(name), [&] { readTextFile(program.filePath(name)); }))
                    waited << name;
            keptPicture([&](const QString &file) {
                if (!endsBesideAPipe(file, [] { Pictures::printer(QSize(40, 40)); }))
                    waited << file;
            });
            return waited.join(u' ');
        });
        QTest::newRow("full case folding") << Probe([] {
            return joins(QStringLiteral("Straße STRASSE İstanbul i\u0307stanbul \uFB01lou filou").split(u' '), {});
        });
        QTest::newRow("blank and look-alike pseudos") << Probe(
            [] { return joins({}, QStringLiteral("\u3164 \u2800 \u0301 alice\u3164 bob\uFE0F").split(u' ')); });
        QTest::newRow("pseudos reach a terminal escaped") << Probe([] {
            const QString printed = rankingFrom(LoopbackHttpServer::ok(
                "{\"players\":[{\"pseudo\":\"x\\u001b]0;pwned\\u0007\\u009b2J\",\"points\":1}]}",
                "application/json"));
            return printed.contains(u"x") && !printed.contains(QChar(0x1b)) && !printed.contains(QChar(0x9b))
                       ? QString()
                       : printed.toHtmlEscaped();
        });
        QTest::newRow("a token however the query spells it") << Probe([] {
            PoolSite site;
            for (const char *query : {"pseudo=alice;token=SECRET", "pseudo=alice&token%3DSECRET", "TOKEN=SECRET"})
                site.http.get(QStringLiteral("/pool/prediction?") + QLatin1String(query));
            return site.http.log().contains(QStringLiteral("SECRET")) ? site.http.log() : QString();
        });
        QTest::newRow("a full cache") << Probe([] {
            // The file may not grow past 4 KiB, as on a full disk; the picture is 6 KiB.
            return keptPicture([](const QString &) {
                rlimit limit{};
                getrlimit(RLIMIT_FSIZE, &limit);
                const rlimit full{4096, limit.rlim_max};
                const auto previous = std::signal(SIGXFSZ, SIG_IGN);
                setrlimit(RLIMIT_FSIZE, &full);
                Pictures::printer(QSize(40, 40));
                setrlimit(RLIMIT_FSIZE, &limit);
                std::signal(SIGXFSZ, previous);
            });
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
