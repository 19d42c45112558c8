// The pool at the size of a crowd, in one process on the loopback: for
// 1,000, 10,000 and 100,000 players. The first 20 join and send a whole
// chart each over HTTP; the crowd behind them is written straight into the
// database from those 20 rows (a quarter of an hour of HTTP at 100,000);
// then 980 more join and send over HTTP, one request after another, so
// that joins and sends are timed at the pool's full size. Then the results
// are published: the first page read computes the standings again, and
// random pages are read after it. On SQLite in a temporary folder, and on
// PostgreSQL too when VYLORA_POOL_DATABASE names one (run it through
// tests/server/pool/with_postgresql.sh). `--keep DIR` leaves the largest
// pool (its SQLite file and the published results) in DIR for
// bench_poolreaders.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextStream>

#include "server/UpdateServer.h"
#include "server/pool/Pool.h"
#include "support/ResultsChart2010.h"

namespace {

constexpr int timed = 1'000;
constexpr int variants = 20;

QHostAddress loopback(int n)
{
    return QHostAddress(
        QStringLiteral("127.%1.%2.%3").arg(n / 62'500 + 1).arg(n / 250 % 250 + 1).arg(n % 250 + 1));
}

// The process's peak resident memory, server and client together.
long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

// One request on a connection of its own; the answer's body, or nothing
// after 10 s.
QByteArray exchange(const QHostAddress &from, quint16 port, const QByteArray &head, const QByteArray &body = {})
{
    QTcpSocket socket;
    socket.bind(from);
    QByteArray answer;
    QObject::connect(&socket, &QTcpSocket::connected, &socket, [&] {
        socket.write(head + "Host: bench\r\nConnection: close\r\nContent-Length: " +
                     QByteArray::number(body.size()) + "\r\n\r\n" + body);
    });
    QObject::connect(&socket, &QTcpSocket::readyRead, &socket, [&] { answer += socket.readAll(); });
    socket.connectToHost(QHostAddress::LocalHost, port);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10'000 && (socket.state() != QAbstractSocket::UnconnectedState || answer.isEmpty()))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return answer.mid(answer.indexOf("\r\n\r\n") + 4);
}

QByteArray withNotes(const QByteArray &starting, const Tournament &t)
{
    IniDocument file(starting);
    writeChartCells(t, file);
    return file.toBytes();
}

QSqlDatabase openDirect(const QString &database, const QString &folder)
{
    QSqlDatabase db = QSqlDatabase::database(QStringLiteral("bench"), false);
    if (!db.isValid())
        db = QSqlDatabase::addDatabase(database.isEmpty() ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"),
                                       QStringLiteral("bench"));
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

// Players `from` .. `to` - 1, each with the prediction of one of the first
// `variants` players, in one transaction.
void seedCrowd(QSqlDatabase db, int from, int to)
{
    std::vector<std::pair<QString, QString>> rows;
    QSqlQuery read(db);
    read.exec(QStringLiteral("SELECT matches, bracket FROM predictions"));
    while (read.next())
        rows.emplace_back(read.value(0).toString(), read.value(1).toString());
    db.transaction();
    QSqlQuery q(db);
    for (int start = from; start < to; start += 200) {
        QString players, predictions;
        for (int i = start; i < qMin(to, start + 200); ++i) {
            const QString pseudo = QStringLiteral("crowd%1").arg(i);
            const auto &[matches, bracket] = rows[std::size_t(i) % rows.size()];
            players += QStringLiteral("%1('%2','%2','','2010-01-01T00:00:00Z','%2')")
                           .arg(players.isEmpty() ? QString() : QStringLiteral(","), pseudo);
            predictions +=
                QStringLiteral("%1('%2','%3','%4','2010-01-01T00:00:00Z')")
                    .arg(predictions.isEmpty() ? QString() : QStringLiteral(","), pseudo, matches, bracket);
        }
        if (!q.exec(QStringLiteral("INSERT INTO players (folded, pseudo, token_hash, joined, name_key) VALUES ") +
                    players) ||
            !q.exec(QStringLiteral("INSERT INTO predictions (folded, matches, bracket, sent) VALUES ") +
                    predictions))
            std::fprintf(stderr, "seeding: %s\n", qPrintable(q.lastError().text()));
    }
    q.exec(QStringLiteral("UPDATE pool_state SET changes = changes + 1"));
    db.commit();
}

double median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

void run(const char *name, const QString &database, const QByteArray &starting, int players, const QString &keep)
{
    QTemporaryDir temporary;
    const QString folder = keep.isEmpty() ? temporary.path() : keep;
    QDir(folder).mkpath(QStringLiteral("."));
    QFile::remove(folder + QStringLiteral("/pool.sqlite"));
    QString log;
    QTextStream logStream(&log);
    UpdateServer server(folder, std::nullopt, logStream);
    QDateTime now(QDate(2010, 6, 1), QTime(12, 0), Qt::UTC);
    if (!database.isEmpty())
        QSqlQuery(openDirect(database, folder))
            .exec(QStringLiteral("DROP TABLE IF EXISTS standings, pool_state, predictions, players, pool_schema"));
    auto pool = std::make_unique<Pool>(folder, Pool::Settings{database, {}, {}}, [&now] { return now; });
    if (!pool->error().isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", name, qPrintable(pool->error()));
        return;
    }
    pool->addPages(server);
    const quint16 port = server.listen(QHostAddress::LocalHost, 0);

    Tournament real;
    enterRealResults(real, starting);
    const QByteArray results = withNotes(starting, real);
    Tournament start;
    LoadChartDocument(start, QStringLiteral("VYL2010"), IniDocument(starting), 0);
    QFile published(folder + QStringLiteral("/VYL2010.ini"));
    published.open(QIODevice::WriteOnly);
    published.write(withNotes(starting, start));
    published.close();
    std::vector<QByteArray> charts;
    for (int i = 0; i < variants; ++i) {
        editCells(real, QStringLiteral("ButA:%1=%2;Buthui:%3=%4").arg(i % 12).arg(i % 4).arg(i % 16).arg(i % 3));
        charts.push_back(withNotes(starting, real));
    }

    int taken = 0;
    const auto joinAndSend = [&](int from, int to, double &joinSeconds, double &sendSeconds) {
        QElapsedTimer clock;
        clock.start();
        std::vector<QByteArray> tokens;
        for (int i = from; i < to; ++i) {
            const QByteArray joined =
                exchange(loopback(i / 4), port,
                         "POST /pool/join?format=json&pseudo=player" + QByteArray::number(i) + " HTTP/1.1\r\n");
            tokens.push_back(
                QJsonDocument::fromJson(joined).object().value(QStringLiteral("token")).toString().toLatin1());
        }
        joinSeconds = clock.nsecsElapsed() / 1e9;
        clock.restart();
        for (int i = from; i < to; ++i) {
            const QByteArray sent =
                exchange(loopback(i / 4), port,
                         "POST /pool/prediction?format=json&pseudo=player" + QByteArray::number(i) +
                             "&token=" + tokens[std::size_t(i - from)] + " HTTP/1.1\r\n",
                         charts[std::size_t(i % variants)]);
            taken += sent.contains("\"taken\"");
        }
        sendSeconds = clock.nsecsElapsed() / 1e9;
    };
    double joinSeconds = 0, sendSeconds = 0;
    joinAndSend(0, variants, joinSeconds, sendSeconds);
    QElapsedTimer seeding;
    seeding.start();
    seedCrowd(openDirect(database, folder), timed, players);
    const double seedSeconds = seeding.nsecsElapsed() / 1e9;
    joinAndSend(variants, timed, joinSeconds, sendSeconds);

    published.open(QIODevice::WriteOnly);
    published.write(results);
    published.close();
    now = QDateTime(QDate(2010, 7, 12), QTime(12, 0), Qt::UTC);
    QElapsedTimer clock;
    clock.start();
    const QByteArray first = exchange(loopback(players), port, "GET /pool/ranking?format=json HTTP/1.1\r\n");
    const double refreshMs = clock.nsecsElapsed() / 1e6;
    const int total = QJsonDocument::fromJson(first).object().value(QStringLiteral("total")).toInt();
    std::vector<double> pageTimes, findTimes;
    auto *random = QRandomGenerator::global();
    for (int run = 0; run < 21; ++run) {
        clock.restart();
        const QByteArray page = exchange(
            loopback(players), port,
            "GET /pool/ranking?format=json&page=" + QByteArray::number(random->bounded(players / 100) + 1) +
                " HTTP/1.1\r\n");
        pageTimes.push_back(clock.nsecsElapsed() / 1e6);
        clock.restart();
        exchange(loopback(players), port,
                 "GET /pool/ranking?format=json&pseudo=player" + QByteArray::number(random->bounded(timed)) +
                     " HTTP/1.1\r\n");
        findTimes.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("%s, %d players: %.0f joins/s, %.0f sends/s (%d taken), timed over the last %d; crowd written in "
                "%.1f s; first page after the publish (the standings computed again) %.0f ms for %d ranked; a "
                "random page %.1f ms, a pseudo's page %.1f ms (medians of 21); peak memory %ld MiB\n",
                name, players, (timed - variants) / joinSeconds, (timed - variants) / sendSeconds, taken,
                timed - variants, seedSeconds, refreshMs, total, median(pageTimes), median(findTimes),
                peakKiB() / 1024);
    std::fflush(stdout);
    pool.reset();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    QString keep;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--keep")); at >= 0 && at + 1 < arguments.size()) {
        keep = arguments.at(at + 1);
        arguments.remove(at, 2);
    }
    const QByteArray starting = fileBytes(arguments.value(0, QStringLiteral("data/VYL2010.ini")));
    const QString database = qEnvironmentVariable("VYLORA_POOL_DATABASE");
    for (const int players : {1'000, 10'000, 100'000})
        run(database.isEmpty() ? "SQLite" : "PostgreSQL", database, starting, players,
            players == 100'000 ? keep : QString());
    return 0;
}
