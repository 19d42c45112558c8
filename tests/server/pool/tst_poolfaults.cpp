// Hostile probes of the pool, its server and the program's side of it, each
// against a real server on 127.0.0.1 (and a hostile one where the program
// is the target) and real files: one row per fault, which says what the
// probe found when the fault is back.
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <thread>
#include <unistd.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPixmapCache>
#include <QProcess>
#include <QTcpSocket>
#include <QTest>

#include "cli/PoolCommand.h"
#include "gui/pictures/Pictures.h"
#include "online/PoolClient.h"
#include "online/ServerSettings.h"
#include "server/pool/Pool.h"
#include "storage/TextFileReading.h"
#include "support/LocalUpdateServer.h"
#include "support/ResultsChart2010.h"
#include "support/TemporaryProgramFolder.h"

namespace {

// A pool on a real server, its clock before the opening kick-off.
struct PoolSite
{
    explicit PoolSite(const ConnectionLimits &limits = {})
        : http(PublisherPassword("le bon mot de passe"), limits)
        , pool(http.folder(), {}, [] { return QDateTime(QDate(2010, 6, 1), QTime(12, 0), Qt::UTC); })
    {
        pool.addPages(http.server());
        http.write(QStringLiteral("VYL2010.ini"), fileBytes(QStringLiteral(VYLORA_DATA_DIR "/VYL2010.ini")));
    }

    // The whole answer, head included, to a request sent as written.
    QByteArray raw(const QByteArray &request) const
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, http.port());
        if (!socket.waitForConnected(2000))
            return {};
        socket.write(request);
        QByteArray answer;
        (void)QTest::qWaitFor(
            [&] {
                answer += socket.readAll();
                return socket.state() != QAbstractSocket::ConnectedState;
            },
            3000);
        return answer + socket.readAll();
    }

    QByteArray send(const QString &pseudo, const QString &token, const QByteArray &more = {}) const
    {
        const QByteArray chart = fileBytes(QStringLiteral(VYLORA_DATA_DIR "/VYL2010.ini"));
        return raw("POST /pool/prediction?format=json&pseudo=" + QUrl::toPercentEncoding(pseudo) +
                   "&token=" + token.toLatin1() + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n" + more +
                   "Content-Length: " + QByteArray::number(chart.size()) + "\r\n\r\n" + chart);
    }

    QString join(const QString &pseudo)
    {
        const HttpAnswer answer = http.post(
            QStringLiteral("/pool/join?format=json&pseudo=") + QString::fromLatin1(QUrl::toPercentEncoding(pseudo)),
            "text/plain", {});
        return QJsonDocument::fromJson(answer.body).object().value(QStringLiteral("token")).toString();
    }

    LocalUpdateServer http;
    Pool pool;
};

int statusOf(const QByteArray &answer)
{
    return answer.mid(9, 3).toInt();
}

// Runs `probe` while `path` is a named pipe nobody writes to: false when it
// waited for a writer, which is then given to it so that it ends.
bool endsBesideAPipe(const QString &path, const std::function<void()> &probe)
{
    const QByteArray name = QFile::encodeName(path);
    ::unlink(name.constData());
    if (::mkfifo(name.constData(), 0600) != 0)
        return false;
    std::atomic<bool> done = false;
    std::thread run([&] {
        probe();
        done = true;
    });
    const bool waited = !QTest::qWaitFor([&] { return done.load(); }, 2000);
    while (!done) {
        const int fd = ::open(name.constData(), O_RDWR | O_NONBLOCK);
        QThread::msleep(10);
        ::close(fd);
    }
    run.join();
    ::unlink(name.constData());
    return !waited;
}

QString probeDatabaseFiles()
{
    PoolSite site;
    if (site.join(QStringLiteral("alice")).isEmpty())
        return QStringLiteral("no join");
    const QString wal = site.http.folder() + QStringLiteral("/pool.sqlite-wal");
    QFile::setPermissions(wal, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    if (site.http.get(QStringLiteral("/pool.sqlite-wal")).status != 404 ||
        site.http.get(QStringLiteral("/vyl.php")).body.contains("pool.sqlite"))
        return QStringLiteral("the database's log is served");
    // A restart makes every file of the database its owner's again.
    const Pool again(site.http.folder(), {}, [] { return QDateTime::currentDateTimeUtc(); });
    if (QFile::permissions(wal) & QFile::ReadOther)
        return QStringLiteral("the log stays readable after a restart");
    return {};
}

QString probeJoinsAndTokens()
{
    PoolSite site;
    const QString token = site.join(QStringLiteral("alice"));
    for (int i = 0; i < 6; ++i)
        site.join(QStringLiteral("friend%1").arg(i));
    if (const int status = statusOf(site.send(QStringLiteral("alice"), token)); status != 200)
        return QStringLiteral("a right token after six joins: %1").arg(status);
    QByteArray wrong;
    for (int i = 0; i < 6; ++i)
        wrong = site.send(QStringLiteral("alice"), QString(32, u'0'));
    if (statusOf(wrong) != 429 || !wrong.contains("\r\nRetry-After: "))
        return QStringLiteral("wrong tokens: ") + QString::fromLatin1(wrong.left(120));
    return {};
}

QString probeProxyClients()
{
    ConnectionLimits limits;
    limits.proxy = QHostAddress::LocalHost;
    PoolSite site(limits);
    const QString token = site.join(QStringLiteral("alice"));
    for (int i = 0; i < 6; ++i)
        site.send(QStringLiteral("alice"), QString(32, u'0'), "X-Real-IP: 192.0.2.1\r\n");
    if (const int status = statusOf(site.send(QStringLiteral("alice"), token, "X-Real-IP: 192.0.2.2\r\n"));
        status != 200)
        return QStringLiteral("another client behind the proxy: %1").arg(status);
    return {};
}

// The hostile server is a process of its own, so that only the program's
// memory is measured here: it streams 128 MiB of spaces as a ranking.
QString probeAnswerCap()
{
    QProcess hostile;
    hostile.start(QStringLiteral("python3"),
                  {QStringLiteral("-c"),
                   QStringLiteral("import socket\n"
                                  "s = socket.create_server(('127.0.0.1', 0)); print(s.getsockname()[1], flush=True)\n"
                                  "c, _ = s.accept(); c.recv(65536)\n"
                                  "c.sendall(b'HTTP/1.1 200 OK\\r\\nContent-Type: application/json\\r\\n'\n"
                                  "          b'Content-Length: %d\\r\\n\\r\\n' % (128 << 20))\n"
                                  "try:\n"
                                  "    for _ in range(128): c.sendall(b' ' * (1 << 20))\n"
                                  "except OSError: pass\n")});
    if (!hostile.waitForReadyRead(5000))
        return QStringLiteral("no hostile server");
    ServerSettings::overrideBaseUrl(QStringLiteral("http://127.0.0.1:") + QString::fromLatin1(hostile.readLine().trimmed()));
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int status = runPoolRanking(false, outStream, errStream);
    getrusage(RUSAGE_SELF, &after);
    ServerSettings::clearOverride();
    hostile.kill();
    hostile.waitForFinished();
    const long grewMiB = (after.ru_maxrss - before.ru_maxrss) / 1024;
    if (status == 0 || grewMiB > 32)
        return QStringLiteral("exit %1, %2 MiB more").arg(status).arg(grewMiB);
    return {};
}

QString probeSecondServer()
{
    PoolSite first, second;
    const TemporaryProgramFolder program;
    program.write(QStringLiteral("VYL2010.ini"), fileBytes(QStringLiteral(VYLORA_DATA_DIR "/VYL2010.ini")));
    QString ignored;
    QTextStream quiet(&ignored);
    ServerSettings::overrideBaseUrl(first.http.base());
    runPoolJoin(QStringLiteral("alice"), QString(), quiet, quiet);
    ServerSettings::overrideBaseUrl(second.http.base());
    runPoolJoin(QStringLiteral("bob"), QString(), quiet, quiet);
    ServerSettings::overrideBaseUrl(first.http.base());
    const QString pseudo = PoolClient::account().pseudo;
    const int sent = runPoolSend(quiet, quiet);
    ServerSettings::clearOverride();
    if (pseudo != u"alice" || sent != 0)
        return QStringLiteral("the first server's account: '%1', send %2").arg(pseudo).arg(sent);
    return {};
}

QString probeLinkInTheCache()
{
    QTemporaryDir cache;
    QFile own(cache.filePath(QStringLiteral("letter.txt")));
    if (!own.open(QIODevice::WriteOnly) || own.write("mine") != 4)
        return QStringLiteral("no file");
    own.close();
    Pictures::keepStartPictures(cache.path());
    QFile::link(own.fileName(), cache.filePath(QStringLiteral("printer-40x40.argb")));
    QPixmapCache::clear();
    Pictures::printer(QSize(40, 40));
    Pictures::keepStartPictures(QString());
    if (fileBytes(own.fileName()) != "mine")
        return QStringLiteral("the file a link named was written over");
    if (QFileInfo(cache.filePath(QStringLiteral("printer-40x40.argb"))).isSymLink())
        return QStringLiteral("the link is still there");
    return {};
}

QString probePipes()
{
    const TemporaryProgramFolder program;
    QStringList waited;
    for (const QString name : {QStringLiteral("VYL2010.ini"), QStringLiteral("langEn.txt")})
        if (!endsBesideAPipe(program.filePath(name), [&] { readTextFile(program.filePath(name)); }))
            waited << name;
    QTemporaryDir cache;
    Pictures::keepStartPictures(cache.path());
    QPixmapCache::clear();
    if (!endsBesideAPipe(cache.filePath(QStringLiteral("printer-40x40.argb")),
                         [] { Pictures::printer(QSize(40, 40)); }))
        waited << QStringLiteral("a kept picture");
    Pictures::keepStartPictures(QString());
    return waited.isEmpty() ? QString() : QStringLiteral("waited on ") + waited.join(u", ");
}

// Each pair is one player however it is spelled; each lone pseudo is no
// player at all.
QString probePseudos(const QStringList &pairs, const QStringList &unfit)
{
    PoolSite site;
    QStringList faults;
    for (qsizetype i = 0; i + 1 < pairs.size(); i += 2)
        if (site.join(pairs[i]).isEmpty() || !site.join(pairs[i + 1]).isEmpty())
            faults << pairs[i] + QStringLiteral(" / ") + pairs[i + 1];
    for (const QString &pseudo : unfit)
        if (!site.join(pseudo).isEmpty())
            faults << QStringLiteral("U+%1...").arg(uint(pseudo.toUcs4().last()), 4, 16, QLatin1Char('0'));
    return faults.join(u", ");
}

QString probeTerminal()
{
    PoolSite site;
    site.join(QStringLiteral("x\x1b]0;pwned\x07\x1b[2J"));
    ServerSettings::overrideBaseUrl(site.http.base());
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    runPoolRanking(false, outStream, errStream);
    outStream.flush();
    ServerSettings::clearOverride();
    if (!out.contains(u"x") || out.contains(QChar(0x1b)) || out.contains(QChar(0x07)))
        return out.toHtmlEscaped();
    return {};
}

QString probeTokenSpellings()
{
    PoolSite site;
    site.join(QStringLiteral("alice"));
    site.http.get(QStringLiteral("/pool/prediction?pseudo=alice;token=SECRETONE"));
    site.http.get(QStringLiteral("/pool/prediction?pseudo=alice&token%3DSECRETTWO"));
    site.http.get(QStringLiteral("/pool/prediction?pseudo=alice&TOKEN=SECRETTHREE"));
    return site.http.log().contains(QStringLiteral("SECRET")) ? site.http.log() : QString();
}

// The cache's file may not grow past 4 KiB, as on a full disk: a picture of
// 6 KiB is kept whole or not at all.
QString probeFullCache()
{
    QTemporaryDir cache;
    Pictures::keepStartPictures(cache.path());
    QPixmapCache::clear();
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit full{4096, limit.rlim_max};
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &full);
    Pictures::printer(QSize(40, 40));
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previous);
    Pictures::keepStartPictures(QString());
    const QFileInfo kept(cache.filePath(QStringLiteral("printer-40x40.argb")));
    if (kept.exists() && kept.size() < 40 * 40 * 4)
        return QStringLiteral("a picture kept cut at %1 bytes").arg(kept.size());
    return {};
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
        QTest::newRow("the database's files are never served") << Probe(probeDatabaseFiles);
        QTest::newRow("joins and wrong tokens are braked apart") << Probe(probeJoinsAndTokens);
        QTest::newRow("behind the proxy, each client on its own") << Probe(probeProxyClients);
        QTest::newRow("the program's answer cap") << Probe(probeAnswerCap);
        QTest::newRow("a second server's account") << Probe(probeSecondServer);
        QTest::newRow("a link in the pictures' cache") << Probe(probeLinkInTheCache);
        QTest::newRow("a named pipe in place of a file") << Probe(probePipes);
        QTest::newRow("full case folding") << Probe([] {
            return probePseudos({QStringLiteral("Straße"), QStringLiteral("STRASSE"), QStringLiteral("İstanbul"),
                                 QStringLiteral("i\u0307stanbul"), QStringLiteral("\uFB01lou"),
                                 QStringLiteral("filou")},
                                {});
        });
        QTest::newRow("blank and look-alike pseudos") << Probe([] {
            return probePseudos({}, {QStringLiteral("\u3164"), QStringLiteral("\u2800"), QStringLiteral("\u0301"),
                                     QStringLiteral("alice\u3164"), QStringLiteral("bob\uFE0F")});
        });
        QTest::newRow("pseudos reach a terminal escaped") << Probe(probeTerminal);
        QTest::newRow("a token however the query spells it") << Probe(probeTokenSpellings);
        QTest::newRow("a full cache") << Probe(probeFullCache);
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
