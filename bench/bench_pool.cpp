// The pool at the size of a big circle, in one process on the loopback:
// 1,000 players join (a few per client address, as friends behind one
// router would) and send a whole chart each, one request after another;
// then the results are published and the ranking page is read. On SQLite
// in a temporary folder, and on PostgreSQL too when VYLORA_POOL_DATABASE
// names one (run it through tests/server/pool/with_postgresql.sh).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextStream>

#include "server/UpdateServer.h"
#include "server/pool/Pool.h"
#include "support/ResultsChart2010.h"

namespace {

constexpr int players = 1'000;
constexpr int variants = 20;

QHostAddress loopback(int n)
{
    return QHostAddress(QStringLiteral("127.0.%1.%2").arg(n / 250 + 1).arg(n % 250 + 1));
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

void run(const char *name, const QString &database, const QByteArray &starting)
{
    QTemporaryDir folder;
    QString log;
    QTextStream logStream(&log);
    UpdateServer server(folder.path(), std::nullopt, logStream);
    QDateTime now(QDate(2010, 6, 1), QTime(12, 0), Qt::UTC);
    if (!database.isEmpty()) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("bench"));
        db.setUserName(QUrl(database).userName());
        db.setDatabaseName(QUrl(database).path().mid(1));
        if (db.open())
            QSqlQuery(db).exec(
                QStringLiteral("DROP TABLE IF EXISTS standings, pool_state, predictions, players, pool_schema"));
    }
    Pool pool(folder.path(), {database, {}, {}}, [&now] { return now; });
    if (!pool.error().isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", name, qPrintable(pool.error()));
        return;
    }
    pool.addPages(server);
    const quint16 port = server.listen(QHostAddress::LocalHost, 0);

    Tournament real;
    enterRealResults(real, starting);
    const QByteArray results = withNotes(starting, real);
    Tournament start;
    LoadChartDocument(start, QStringLiteral("VYL2010"), IniDocument(starting), 0);
    QFile published(folder.filePath(QStringLiteral("VYL2010.ini")));
    published.open(QIODevice::WriteOnly);
    published.write(withNotes(starting, start));
    published.close();
    std::vector<QByteArray> charts;
    for (int i = 0; i < variants; ++i) {
        editCells(real, QStringLiteral("ButA:%1=%2;Buthui:%3=%4").arg(i % 12).arg(i % 4).arg(i % 16).arg(i % 3));
        charts.push_back(withNotes(starting, real));
    }

    // Wall time, and the process's CPU time (server and client together),
    // which a machine shared with other work does not inflate.
    QElapsedTimer clock;
    clock.start();
    std::clock_t cpu = std::clock();
    std::vector<QByteArray> tokens;
    for (int i = 0; i < players; ++i) {
        const QByteArray joined =
            exchange(loopback(i / 4), port,
                     "POST /pool/join?format=json&pseudo=player" + QByteArray::number(i) + " HTTP/1.1\r\n");
        tokens.push_back(
            QJsonDocument::fromJson(joined).object().value(QStringLiteral("token")).toString().toLatin1());
    }
    const double joinSeconds = clock.nsecsElapsed() / 1e9;
    clock.restart();
    cpu = std::clock();
    int taken = 0;
    for (int i = 0; i < players; ++i) {
        const QByteArray sent =
            exchange(loopback(i / 4), port,
                     "POST /pool/prediction?format=json&pseudo=player" + QByteArray::number(i) +
                         "&token=" + tokens[std::size_t(i)] + " HTTP/1.1\r\n",
                     charts[std::size_t(i % variants)]);
        taken += sent.contains("\"taken\"");
    }
    const double sendSeconds = clock.nsecsElapsed() / 1e9;
    const double sendCpuSeconds = double(std::clock() - cpu) / CLOCKS_PER_SEC;

    published.open(QIODevice::WriteOnly);
    published.write(results);
    published.close();
    now = QDateTime(QDate(2010, 7, 12), QTime(12, 0), Qt::UTC);
    std::vector<double> pageTimes;
    std::vector<double> pageCpu;
    int ranked = 0;
    for (int run = 0; run < 11; ++run) {
        clock.restart();
        cpu = std::clock();
        const QByteArray page = exchange(loopback(999), port, "GET /pool/ranking?format=json HTTP/1.1\r\n");
        pageTimes.push_back(clock.nsecsElapsed() / 1e6);
        pageCpu.push_back(double(std::clock() - cpu) * 1000 / CLOCKS_PER_SEC);
        ranked = int(QJsonDocument::fromJson(page).object().value(QStringLiteral("players")).toArray().size());
    }
    std::nth_element(pageTimes.begin(), pageTimes.begin() + 5, pageTimes.end());
    std::nth_element(pageCpu.begin(), pageCpu.begin() + 5, pageCpu.end());
    std::printf("%s: %d joins %.0f/s; %d sends taken, %.0f/s (%.0f per CPU second); ranking of %d players "
                "%.1f ms (%.1f ms CPU), medians of 11\n",
                name, players, players / joinSeconds, taken, players / sendSeconds, players / sendCpuSeconds,
                ranked, pageTimes[5], pageCpu[5]);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QByteArray starting =
        fileBytes(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("data/VYL2010.ini"));
    run("SQLite", QString(), starting);
    if (const QString database = qEnvironmentVariable("VYLORA_POOL_DATABASE"); !database.isEmpty())
        run("PostgreSQL", database, starting);
    return 0;
}
