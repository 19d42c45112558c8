// The pool on a real server and a real database: SQLite in a temporary
// folder, or the PostgreSQL of VYLORA_POOL_DATABASE (tests/server/pool/
// with_postgresql.sh). The server's clock is the test's.
#include <csignal>
#include <memory>

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include "cli/PoolCommand.h"
#include "cli/ScoreCommand.h"
#include "online/ServerSettings.h"
#include "server/UpdateServer.h"
#include "server/pool/Pool.h"
#include "server/pool/PoolOptions.h"
#include "support/LocalUpdateServer.h"
#include "support/ResultsChart2010.h"
#include "support/TemporaryProgramFolder.h"

namespace {

const QString database = qEnvironmentVariable("VYLORA_POOL_DATABASE");

QDateTime utc(const QString &iso)
{
    return QDateTime::fromString(iso, Qt::ISODate);
}

// A second connection to the pool's database, as another program would hold.
QSqlDatabase otherConnection(const QString &folder)
{
    QSqlDatabase db = QSqlDatabase::database(QStringLiteral("other"), false);
    if (!db.isValid())
        db = QSqlDatabase::addDatabase(database.isEmpty() ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"),
                                       QStringLiteral("other"));
    db.close();
    if (database.isEmpty()) {
        db.setDatabaseName(folder + QStringLiteral("/pool.sqlite"));
    } else {
        db.setUserName(QUrl(database).userName());
        db.setDatabaseName(QUrl(database).path().mid(1));
    }
    db.open();
    return db;
}

} // namespace

class TestPool final : public QObject
{
    Q_OBJECT

    QByteArray m_starting;
    QDateTime m_now;
    std::unique_ptr<LocalUpdateServer> m_http;
    std::unique_ptr<Pool> m_pool;

    // The starting chart with `edits`, its match notes kept, as a program sends it.
    QByteArray chart(bool real, const QString &edits = QString()) const
    {
        Tournament t;
        if (real)
            enterRealResults(t, m_starting);
        else
            LoadChartDocument(t, QStringLiteral("VYL2010"), IniDocument(m_starting), 0), t.setReady(true);
        editCells(t, edits);
        IniDocument file(m_starting);
        writeChartCells(t, file);
        return file.toBytes();
    }

    // A pool that has not yet published anything when `published` is empty.
    void startPool(Pool::Settings settings = {}, const QByteArray &published = "starting")
    {
        m_pool.reset();
        m_http = std::make_unique<LocalUpdateServer>();
        if (!database.isEmpty()) {
            QSqlQuery(otherConnection(m_http->folder()))
                .exec(QStringLiteral(
                    "DROP TABLE IF EXISTS standings, pool_state, predictions, players, pool_schema"));
            settings.database = database;
        }
        m_pool = std::make_unique<Pool>(m_http->folder(), settings, [this] { return m_now; });
        QVERIFY2(m_pool->error().isEmpty(), qPrintable(m_pool->error()));
        m_pool->addPages(m_http->server());
        m_http->write(QStringLiteral("VYL2010.ini"), published == "starting" ? chart(false) : published);
    }

    QJsonObject ranking(LocalUpdateServer &http, const QString &query = QString())
    {
        return QJsonDocument::fromJson(http.get(QStringLiteral("/pool/ranking?format=json") + query).body)
            .object();
    }

    static int pointsOf(const QJsonObject &ranking, const QString &pseudo)
    {
        for (const QJsonValue &p : ranking.value(QStringLiteral("players")).toArray())
            if (p.toObject().value(QStringLiteral("pseudo")).toString() == pseudo)
                return p.toObject().value(QStringLiteral("points")).toInt();
        return -1;
    }

    // A pool that closes at `closes` (each kick-off when empty) where alice
    // joined and sent `sent` long before; her token.
    QString startWithAlice(const QString &closes, const QByteArray &sent)
    {
        Pool::Settings settings;
        if (!closes.isEmpty())
            settings.closes = utc(closes);
        startPool(settings);
        m_now = utc(QStringLiteral("2010-01-01T00:00:00Z"));
        const QString token = join(QStringLiteral("alice"));
        return send(QStringLiteral("alice"), token, sent).status == 200 ? token : QString();
    }

    QString join(const QString &pseudo, const QString &more = QString())
    {
        const HttpAnswer answer =
            m_http->post(QStringLiteral("/pool/join?format=json&pseudo=") + pseudo + more, "text/plain", {});
        return QJsonDocument::fromJson(answer.body).object().value(QStringLiteral("token")).toString();
    }

    HttpAnswer send(const QString &pseudo, const QString &token, const QByteArray &bytes)
    {
        return m_http->post(QStringLiteral("/pool/prediction?format=json&pseudo=%1&token=%2").arg(pseudo, token),
                            "text/plain", bytes);
    }

private slots:
    void initTestCase() { m_starting = fileBytes(QStringLiteral(VYLORA_DATA_DIR "/VYL2010.ini")); }

    void locks_data()
    {
        QTest::addColumn<QString>("closes");
        QTest::addColumn<QString>("now");
        QTest::addColumn<bool>("firstMatchTaken");
        QTest::addColumn<bool>("secondMatchTaken");
        QTest::addColumn<bool>("bracketTaken");

        // A1 kicks off at 14:00 UTC on 11 June 2010, the opening; A2 at 18:30.
        QTest::newRow("a second before the opening") << ""
                                                     << "2010-06-11T13:59:59Z" << true << true << true;
        QTest::newRow("at the opening kick-off") << ""
                                                 << "2010-06-11T14:00:00Z" << false << true << false;
        QTest::newRow("between two kick-offs") << ""
                                               << "2010-06-11T16:00:00Z" << false << true << false;
        QTest::newRow("after both") << ""
                                    << "2010-06-11T18:30:01Z" << false << false << false;
        QTest::newRow("before the closing time") << "2026-12-31T20:00:00Z"
                                                 << "2026-12-31T19:59:00Z" << true << true << true;
        QTest::newRow("at the closing time") << "2026-12-31T20:00:00Z"
                                             << "2026-12-31T20:00:00Z" << false << false << false;
    }

    void locks()
    {
        QFETCH(QString, closes);
        QFETCH(QString, now);
        QFETCH(bool, firstMatchTaken);
        QFETCH(bool, secondMatchTaken);
        QFETCH(bool, bracketTaken);
        const QString token = startWithAlice(closes, chart(true));
        QVERIFY(!token.isEmpty());

        m_now = utc(now);
        const HttpAnswer answer = send(QStringLiteral("alice"), token,
                                       chart(false, QStringLiteral("ButA:0=7;ButA:1=0;ButA:2=5;ButA:3=0")));
        QCOMPARE(answer.status, 200);
        const QJsonObject sent = QJsonDocument::fromJson(answer.body).object();
        QCOMPARE(sent.value(QStringLiteral("taken")).toArray().contains(QStringLiteral("A1")), firstMatchTaken);
        QCOMPARE(sent.value(QStringLiteral("bracket")).toString() == u"taken", bracketTaken);

        const QJsonObject own =
            QJsonDocument::fromJson(
                m_http->get(QStringLiteral("/pool/prediction?format=json&pseudo=alice&token=") + token).body)
                .object();
        const QJsonObject matches = own.value(QStringLiteral("matches")).toObject();
        QCOMPARE(matches.value(QStringLiteral("A1")).toString(),
                 QString::fromLatin1(firstMatchTaken ? "7 - 0" : "1 - 1"));
        QCOMPARE(matches.value(QStringLiteral("A2")).toString(),
                 QString::fromLatin1(secondMatchTaken ? "5 - 0" : "0 - 0"));
        // The starting chart has no champion; the real one does.
        QCOMPARE(own.value(QStringLiteral("champion")).toString().isEmpty(), bracketTaken);
    }

    void sealed_data()
    {
        QTest::addColumn<QString>("closes");
        QTest::addColumn<QString>("now");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("shown");  // in the answer
        QTest::addColumn<QString>("hidden"); // never in it

        // alice sent 7 - 0 for A1 and 5 - 0 for A2 (kick-offs 14:00 and 18:30 UTC).
        QTest::newRow("a match before its kick-off") << ""
                                                     << "2010-06-11T16:00:00Z"
                                                     << "/pool/match/A2" << 403 << "scellés"
                                                     << "alice";
        QTest::newRow("a match after its kick-off") << ""
                                                    << "2010-06-11T16:00:00Z"
                                                    << "/pool/match/A1" << 200 << "7 - 0"
                                                    << "";
        QTest::newRow("a match as JSON before") << ""
                                                << "2010-06-11T13:00:00Z"
                                                << "/pool/match/A1?format=json" << 403 << "error"
                                                << "alice";
        QTest::newRow("the player's own, before the lock")
            << ""
            << "2010-06-11T13:00:00Z"
            << "/pool/prediction?format=json&pseudo=alice&token={token}" << 200 << "5 - 0"
            << "";
        QTest::newRow("a quiz's ranking before the closing time")
            << "2026-12-31T20:00:00Z"
            << "2026-12-31T19:00:00Z"
            << "/pool/ranking?format=json" << 200 << "\"points\":0"
            << "\"points\":3";
        QTest::newRow("a quiz's ranking after it") << "2026-12-31T20:00:00Z"
                                                   << "2027-01-01T00:00:00Z"
                                                   << "/pool/ranking?format=json" << 200 << "\"points\":3"
                                                   << "";
    }

    void sealed()
    {
        QFETCH(QString, closes);
        QFETCH(QString, now);
        QFETCH(QString, path);
        const QString token =
            startWithAlice(closes, chart(false, QStringLiteral("ButA:0=7;ButA:1=0;ButA:2=5;ButA:3=0")));
        QVERIFY(!token.isEmpty());
        // The results have A1 as alice predicted it, A2 otherwise.
        m_http->write(QStringLiteral("VYL2010.ini"),
                      chart(false, QStringLiteral("ButA:0=7;ButA:1=0;ButA:2=1;ButA:3=1")));

        m_now = utc(now);
        const HttpAnswer answer = m_http->get(QString(path).replace(QStringLiteral("{token}"), token));
        QTEST(answer.status, "status");
        QFETCH(QString, shown);
        QFETCH(QString, hidden);
        QVERIFY2(answer.body.contains(shown.toUtf8()), answer.body.constData());
        QVERIFY(hidden.isEmpty() || !answer.body.contains(hidden.toUtf8()));
    }

    // Three friends join and send from the command line before the
    // opening; once the results are published, the pool ranks them as
    // --score ranks the same three charts.
    void rankingAgreesWithScore()
    {
        startPool();
        const TemporaryProgramFolder program;
        QVERIFY(ServerSettings::overrideBaseUrl(m_http->base()));
        QString ignored;
        QTextStream quiet(&ignored);
        const QList<std::pair<QString, QByteArray>> friends{
            {QStringLiteral("anne"), chart(true)},
            {QStringLiteral("bruno"), chart(true, QStringLiteral("ButH:11=1;Buthui:0=1;ButFIN:0=1;ButFIN:1=0"))},
            {QStringLiteral("chloé"), chart(true, QStringLiteral("ButA:0=0;ButA:1=2;ButH:6=0;ButH:7=1"))}};
        QStringList files;
        m_now = utc(QStringLiteral("2010-06-01T00:00:00Z"));
        for (const auto &[pseudo, bytes] : friends) {
            program.write(pseudo + QStringLiteral(".ini"), bytes);
            program.write(QStringLiteral("VYL2010.ini"), bytes);
            files << program.filePath(pseudo + QStringLiteral(".ini"));
            QCOMPARE(runPoolJoin(pseudo, QString(), quiet, quiet), 0);
            QCOMPARE(runPoolSend(quiet, quiet), 0);
        }
        m_http->write(QStringLiteral("VYL2010.ini"), chart(true));
        m_now = utc(QStringLiteral("2010-07-12T00:00:00Z"));

        QString scored, ranked;
        QTextStream scoreOut(&scored), rankingOut(&ranked);
        QCOMPARE(runScoreCommand(m_http->folder() + QStringLiteral("/VYL2010.ini"), files, true, scoreOut, quiet),
                 0);
        QCOMPARE(runPoolRanking({true, 0, QString()}, rankingOut, quiet), 0);
        const QJsonArray expected =
            QJsonDocument::fromJson(scored.toUtf8()).object().value(QStringLiteral("predictions")).toArray();
        const QJsonArray players =
            QJsonDocument::fromJson(ranked.toUtf8()).object().value(QStringLiteral("players")).toArray();
        QCOMPARE(players.size(), 3);
        for (qsizetype i = 0; i < players.size(); ++i) {
            const QJsonObject p = players[i].toObject(), e = expected[i].toObject();
            QCOMPARE(p.value(QStringLiteral("pseudo")), e.value(QStringLiteral("name")));
            for (const char *key : {"points", "exact", "outcomes", "knockout"})
                QCOMPARE(p.value(QLatin1String(key)), e.value(QLatin1String(key)));
            QCOMPARE(p.value(QStringLiteral("maximum")), p.value(QStringLiteral("points")));
            QCOMPARE(p.value(QStringLiteral("canStillWin")).toBool(), i == 0);
        }
        ServerSettings::clearOverride();
    }

    void standingsFollowChanges_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("before"); // alice's points
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("total");

        // alice sent 7 - 0 for A1 and 5 - 0 for A2 (kick-offs 14:00 and
        // 18:30 UTC); it is 16:00 on the opening day.
        QTest::newRow("a publish") << "publish" << 0 << 3 << 1;
        QTest::newRow("a lock passing") << "lock" << 3 << 6 << 1;
        QTest::newRow("a send shows nothing before its lock") << "send" << 3 << 3 << 1;
        QTest::newRow("a join") << "join" << 3 << 3 << 2;
        QTest::newRow("a publish through a second instance") << "second" << 0 << 3 << 1;
    }

    void standingsFollowChanges()
    {
        QFETCH(QString, change);
        const QByteArray results = chart(false, QStringLiteral("ButA:0=7;ButA:1=0;ButA:2=5;ButA:3=0"));
        const QString token = startWithAlice(QString(), results);
        QVERIFY(!token.isEmpty());
        const bool published = change != u"publish" && change != u"second";
        m_http->write(QStringLiteral("VYL2010.ini"), published ? results : chart(false));
        m_now = utc(QStringLiteral("2010-06-11T16:00:00Z"));
        // Another instance on the same folder and database, behind a server of its own.
        LocalUpdateServer other;
        Pool second(m_http->folder(), {database, {}, {}}, [this] { return m_now; });
        second.addPages(other.server());
        LocalUpdateServer &reader = change == u"second" ? other : *m_http;
        QTEST(pointsOf(ranking(reader), QStringLiteral("alice")), "before");

        if (!published)
            m_http->write(QStringLiteral("VYL2010.ini"), results);
        if (change == u"second")
            QCOMPARE(pointsOf(ranking(*m_http), QStringLiteral("alice")), 3);
        if (change == u"lock")
            m_now = utc(QStringLiteral("2010-06-11T18:31:00Z"));
        if (change == u"send")
            QCOMPARE(send(QStringLiteral("alice"), token, chart(false)).status, 200);
        if (change == u"join")
            QCOMPARE(join(QStringLiteral("bob")).size(), 32);
        const QJsonObject after = ranking(reader);
        QTEST(pointsOf(after, QStringLiteral("alice")), "after");
        QTEST(after.value(QStringLiteral("total")).toInt(), "total");
    }

    void paging_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("firstRank");
        QTest::addColumn<int>("count");

        // 550 players, all on 0 points: ranked by name, player0000 first;
        // a match's page lists them in the same order.
        const QString ranking = QStringLiteral("/pool/ranking"), match = QStringLiteral("/pool/match/A1");
        QTest::newRow("first") << ranking << "" << 200 << 1 << 1 << 100;
        QTest::newRow("middle") << ranking << "&page=3" << 200 << 3 << 201 << 100;
        QTest::newRow("last") << ranking << "&page=6" << 200 << 6 << 501 << 50;
        QTest::newRow("beyond the end") << ranking << "&page=7" << 200 << 7 << 0 << 0;
        QTest::newRow("per over the limit") << ranking << "&per=1000" << 200 << 1 << 1 << 500;
        QTest::newRow("a pseudo's page, whatever its case")
            << ranking << "&pseudo=PLAYER0450" << 200 << 5 << 401 << 100;
        QTest::newRow("an unknown pseudo") << ranking << "&pseudo=nobody" << 404 << 0 << 0 << 0;
        QTest::newRow("a match, first") << match << "" << 200 << 1 << 1 << 100;
        QTest::newRow("a match, middle") << match << "&page=2&per=250" << 200 << 2 << 251 << 250;
        QTest::newRow("a match, last") << match << "&page=11&per=50" << 200 << 11 << 501 << 50;
        QTest::newRow("a match, beyond the end") << match << "&page=12&per=50" << 200 << 12 << 0 << 0;
        QTest::newRow("a match, per over the limit") << match << "&per=501" << 200 << 1 << 1 << 500;
        QTest::newRow("a match, a pseudo's page") << match << "&pseudo=Player0099&per=10" << 200 << 10 << 91 << 10;
        QTest::newRow("a match, an unknown pseudo") << match << "&pseudo=nobody" << 404 << 0 << 0 << 0;
    }

    void paging()
    {
        QFETCH(QString, path);
        QFETCH(QString, query);
        startPool();
        // Every match has kicked off, so that its page is open.
        m_now = utc(QStringLiteral("2010-07-12T00:00:00Z"));
        QSqlDatabase db = otherConnection(m_http->folder());
        QVERIFY(db.transaction());
        QSqlQuery insert(db);
        insert.prepare(
            QStringLiteral("INSERT INTO players (folded, pseudo, token_hash, joined) VALUES (?, ?, '', ?)"));
        for (int i = 0; i < 550; ++i) {
            const QString pseudo = QStringLiteral("player%1").arg(i, 4, 10, QLatin1Char('0'));
            insert.addBindValue(pseudo);
            insert.addBindValue(pseudo);
            insert.addBindValue(QStringLiteral("2010-01-01T00:00:%1Z").arg(i % 60, 2, 10, QLatin1Char('0')));
            QVERIFY2(insert.exec(), qPrintable(insert.lastError().text()));
        }
        QVERIFY(QSqlQuery(db).exec(QStringLiteral("UPDATE pool_state SET changes = changes + 1")) && db.commit());

        const HttpAnswer answer = m_http->get(path + QStringLiteral("?format=json") + query);
        QTEST(answer.status, "status");
        const QJsonObject page = QJsonDocument::fromJson(answer.body).object();
        if (answer.status != 200)
            return;
        QCOMPARE(page.value(QStringLiteral("total")).toInt(), 550);
        QTEST(page.value(QStringLiteral("page")).toInt(), "page");
        const QJsonArray players = page.value(QStringLiteral("players")).toArray();
        QTEST(int(players.size()), "count");
        QTEST(players.isEmpty() ? 0 : players.first().toObject().value(QStringLiteral("rank")).toInt(),
              "firstRank");
        QFETCH(int, firstRank);
        for (const QJsonValue &p : players)
            QCOMPARE(p.toObject().value(QStringLiteral("pseudo")).toString(),
                     QStringLiteral("player%1").arg(firstRank++ - 1, 4, 10, QLatin1Char('0')));
    }

    // The pool's database stops answering (a PostgreSQL stopped, a SQLite
    // file another program holds): the pool's requests get 503 with
    // Retry-After in time, and downloads go on meanwhile.
    void aStalledDatabaseStallsNoDownload()
    {
        Pool::Settings settings;
        settings.answerWithin = std::chrono::milliseconds(1'000);
        startPool(settings);
        QSqlDatabase other = otherConnection(m_http->folder());
        qint64 stopped = 0;
        if (database.isEmpty()) {
            QVERIFY(QSqlQuery(other).exec(QStringLiteral("BEGIN IMMEDIATE")));
        } else {
            QSqlQuery pid(other);
            QVERIFY(pid.exec(QStringLiteral("SELECT pid FROM pg_stat_activity WHERE datname = current_database() "
                                            "AND pid <> pg_backend_pid() AND backend_type = 'client backend' "
                                            "ORDER BY backend_start DESC LIMIT 1")) &&
                    pid.next());
            stopped = pid.value(0).toLongLong();
            QCOMPARE(::kill(pid_t(stopped), SIGSTOP), 0);
        }
        QNetworkAccessManager network;
        std::unique_ptr<QNetworkReply> stalled(network.post(
            QNetworkRequest(m_http->url(QStringLiteral("/pool/join?format=json&pseudo=bob"))), QByteArray()));
        QElapsedTimer clock;
        clock.start();
        QTRY_VERIFY(clock.elapsed() > 100);
        const HttpAnswer download = m_http->get(QStringLiteral("/VYL2010.ini"));
        const qint64 downloadMs = clock.elapsed();
        QTRY_VERIFY_WITH_TIMEOUT(stalled->isFinished(), 5'000);
        const qint64 stalledMs = clock.elapsed();
        if (stopped)
            ::kill(pid_t(stopped), SIGCONT);
        else
            QSqlQuery(other).exec(QStringLiteral("ROLLBACK"));
        QCOMPARE(download.status, 200);
        QVERIFY2(downloadMs < 600, qPrintable(QString::number(downloadMs)));
        QCOMPARE(stalled->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 503);
        QVERIFY(stalled->hasRawHeader("Retry-After"));
        QVERIFY2(stalledMs < 3'000, qPrintable(QString::number(stalledMs)));
        // Once it answers again, so does the pool.
        QTRY_COMPARE_WITH_TIMEOUT(m_http->get(QStringLiteral("/pool/ranking?format=json")).status, 200, 10'000);
    }

    // A connection cut under the pool: a join (a transaction first) and a send (a read first) go on.
    void aCutConnectionIsOpenedAgain()
    {
        if (database.isEmpty())
            QSKIP("only a PostgreSQL connection can be cut from outside");
        const QString token = startWithAlice(QString(), chart(true));
        const QString cut = QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity "
                                           "WHERE datname = current_database() AND pid <> pg_backend_pid()");
        QVERIFY(!token.isEmpty() && QSqlQuery(otherConnection(m_http->folder())).exec(cut));
        QCOMPARE(join(QStringLiteral("bob")).size(), 32);
        QVERIFY(QSqlQuery(otherConnection(m_http->folder())).exec(cut));
        QCOMPARE(send(QStringLiteral("alice"), token, chart(true)).status, 200);
    }

    // The join code is kept as the publishing password is.
    void aCodeFileOthersCanReadIsRefused()
    {
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("code")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("sesame\n") > 0 &&
                file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
        QCommandLineParser parser;
        const PoolOptions options(parser);
        parser.process({QStringLiteral("vylora-server"), QStringLiteral("--pool"),
                        QStringLiteral("--pool-code-file"), file.fileName()});
        QTextStream log(stdout);
        UpdateServer server(folder.path(), std::nullopt, log);
        QString error;
        QVERIFY2(!options.start(parser, folder.path(), server, error) && error.contains(u"others can read it"),
                 qPrintable(error));
    }

    void badInput_data()
    {
        QTest::addColumn<QString>("path"); // {token}: alice's
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");

        const QString send = QStringLiteral("/pool/prediction?pseudo=%1&token=%2");
        QTest::newRow("an unknown pseudo") << send.arg(u"bob", u"{token}") << QByteArray("chart") << 403;
        QTest::newRow("a wrong token, refused on the head")
            << send.arg(u"alice", QString(32, u'0')) + QStringLiteral("&format=json") << QByteArray("chart")
            << 403;
        QTest::newRow("no whole 2010 chart")
            << send.arg(u"alice", u"{token}") << QByteArray("[ButA]\r\n0=1\r\n") << 400;
        QTest::newRow("a 1998 chart") << send.arg(u"alice", u"{token}") << QByteArray("1998") << 400;
        QTest::newRow("too large") << send.arg(u"alice", u"{token}") << QByteArray(1024 * 1024 + 1, 'x') << 413;
        QTest::newRow("a taken pseudo, other case")
            << QStringLiteral("/pool/join?code=sesame&pseudo=ALICE") << QByteArray() << 409;
        QTest::newRow("a pseudo too long")
            << QStringLiteral("/pool/join?code=sesame&pseudo=") + QString(33, u'x') << QByteArray() << 400;
        QTest::newRow("a control character")
            << QStringLiteral("/pool/join?code=sesame&pseudo=a%0Ab") << QByteArray() << 400;
        QTest::newRow("a wrong code") << QStringLiteral("/pool/join?code=open&pseudo=bob") << QByteArray() << 403;
        QTest::newRow("the database cannot be written")
            << send.arg(u"alice", u"{token}") << QByteArray("locked") << 503;
    }

    void badInput()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, body);
        Pool::Settings settings;
        settings.code = "sesame";
        startPool(settings);
        m_now = utc(QStringLiteral("2010-01-01T00:00:00Z"));
        const QString token = join(QStringLiteral("alice"), QStringLiteral("&code=sesame"));
        QVERIFY(!token.isEmpty());
        if (body == "chart" || body == "locked")
            body = chart(true);
        if (body == "1998")
            body = fileBytes(QStringLiteral(VYLORA_DATA_DIR "/VYL1998.ini"));
        QSqlDatabase other;
        if (QTest::currentDataTag() == QByteArrayLiteral("the database cannot be written")) {
            other = otherConnection(m_http->folder());
            QVERIFY(other.transaction());
            QVERIFY(QSqlQuery(other).exec(
                database.isEmpty() ? QStringLiteral("DELETE FROM predictions")
                                   : QStringLiteral("LOCK TABLE predictions IN ACCESS EXCLUSIVE MODE")));
        }
        const auto answer =
            m_http->post(QString(path).replace(QStringLiteral("{token}"), token), "text/plain", body);
        QTEST(answer.status, "status");
        // The program shows the server's reason, whichever layer refused.
        if (path.contains(QStringLiteral("format=json")))
            QVERIFY(!QJsonDocument::fromJson(answer.body)
                         .object()
                         .value(QStringLiteral("error"))
                         .toString()
                         .isEmpty());
        if (other.isOpen())
            other.rollback();
        // Nothing refused was stored, and every pseudo is shown escaped.
        const QJsonObject own =
            QJsonDocument::fromJson(
                m_http->get(QStringLiteral("/pool/prediction?format=json&pseudo=alice&token=") + token).body)
                .object();
        QCOMPARE(own.value(QStringLiteral("sent")).toBool(), false);
        QCOMPARE(join(QStringLiteral("%3Cb%3E"), QStringLiteral("&code=sesame")).size(), 32);
        QVERIFY(m_http->get(QStringLiteral("/pool/ranking")).body.contains("&lt;b&gt;"));
        QCOMPARE(m_http->get(QStringLiteral("/pool.sqlite")).status, 404);
    }
};

QTEST_MAIN(TestPool)
#include "tst_pool.moc"
