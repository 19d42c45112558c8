// The update server under a flood, in one process on the loopback: 10,000
// sockets that send half a request line and wait, opened from 400 client
// addresses while downloads of the chart from another address are timed;
// then 1,000 downloads at once. Every download must come back whole and
// identical.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextStream>

#include "server/UpdateServer.h"

namespace {

constexpr int idleSockets = 10'000;
constexpr int idleAddresses = 400;
constexpr int timedEvery = 20;
constexpr int concurrent = 1'000;
const QByteArray request = "GET /VYL2010.ini HTTP/1.1\r\nHost: bench\r\nConnection: close\r\n\r\n";

QHostAddress loopback(int n)
{
    return QHostAddress(QStringLiteral("127.0.%1.%2").arg(n / 250 + 1).arg(n % 250 + 1));
}

// One download as a browser would make it; the body, or nothing after 5 s.
struct Download
{
    std::unique_ptr<QTcpSocket> socket = std::make_unique<QTcpSocket>();
    QByteArray answer;

    explicit Download(const QHostAddress &from, quint16 port)
    {
        socket->bind(from);
        QObject::connect(socket.get(), &QTcpSocket::connected, socket.get(), [this] { socket->write(request); });
        QObject::connect(socket.get(), &QTcpSocket::readyRead, socket.get(),
                         [this] { answer += socket->readAll(); });
        socket->connectToHost(QHostAddress::LocalHost, port);
    }
    bool done() const { return socket->state() == QAbstractSocket::UnconnectedState; }
    QByteArray body() const { return answer.mid(answer.indexOf("\r\n\r\n") + 4); }
};

// An idle client as the flood makes them: a bare socket, so that the
// bench's own event loop does not watch 10,000 of them.
int openIdle(const QHostAddress &from, quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(from.toIPv4Address());
    ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address);
    return fd;
}

template <typename Done> void runUntil(Done done, int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[size_t(p * double(values.size() - 1))];
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    rlimit files{};
    getrlimit(RLIMIT_NOFILE, &files);
    files.rlim_cur = std::min<rlim_t>(files.rlim_max, 20'000);
    setrlimit(RLIMIT_NOFILE, &files);
    ConnectionLimits limits;
    if (files.rlim_cur < rlim_t(idleSockets + limits.maxConnections + 200)) {
        std::printf("needs a file limit of %d, has %lu\n", idleSockets + limits.maxConnections + 200,
                    (unsigned long)files.rlim_cur);
        return 1;
    }

    QTemporaryDir folder;
    QFile shipped(QStringLiteral(VYLORA_DATA_DIR "/VYL2010.ini"));
    QFile chart(folder.filePath(QStringLiteral("VYL2010.ini")));
    if (!shipped.open(QIODevice::ReadOnly) || !chart.open(QIODevice::WriteOnly))
        return 1;
    const QByteArray expected = shipped.readAll();
    chart.write(expected);
    chart.close();
    QString discarded;
    QTextStream log(&discarded);
    UpdateServer server(folder.path(), std::nullopt, log, limits);
    const quint16 port = server.listen(QHostAddress::Any, 0);

    std::vector<int> idle;
    std::vector<double> latencies;
    int wrong = 0;
    QElapsedTimer flood;
    flood.start();
    for (int i = 0; i < idleSockets; i += timedEvery) {
        const size_t batch = idle.size();
        for (int j = i; j < std::min(idleSockets, i + timedEvery); ++j)
            idle.push_back(openIdle(loopback(j % idleAddresses), port));
        runUntil([] { return false; }, 2);
        for (size_t j = batch; j < idle.size(); ++j)
            (void)::send(idle[j], "GET /VYL20", 10, MSG_NOSIGNAL);
        QElapsedTimer clock;
        clock.start();
        Download download(QHostAddress::LocalHost, port);
        runUntil([&] { return download.done(); }, 5000);
        latencies.push_back(double(clock.nsecsElapsed()) / 1e6);
        wrong += download.body() != expected;
    }
    const qint64 floodMs = flood.elapsed();
    std::printf("idle flood: %d sockets from %d addresses opened in %lld ms, server cap %d\n", idleSockets,
                idleAddresses, (long long)floodMs, limits.maxConnections);
    std::printf("downloads during the flood: %zu, wrong or missing %d, median %.2f ms, p99 %.2f ms, max %.2f ms\n",
                latencies.size(), wrong, percentile(latencies, 0.5), percentile(latencies, 0.99),
                percentile(latencies, 1.0));
    for (int fd : idle)
        ::close(fd);
    runUntil([] { return false; }, 300);

    QElapsedTimer clock;
    clock.start();
    std::vector<std::unique_ptr<Download>> downloads;
    for (int i = 0; i < concurrent; ++i)
        downloads.push_back(std::make_unique<Download>(loopback(idleAddresses + i % 40), port));
    runUntil(
        [&] { return std::all_of(downloads.begin(), downloads.end(), [](const auto &d) { return d->done(); }); },
        30000);
    const auto identical =
        std::count_if(downloads.begin(), downloads.end(), [&](const auto &d) { return d->body() == expected; });
    std::printf("%d downloads at once: %ld complete and identical in %lld ms\n", concurrent, long(identical),
                (long long)clock.elapsed());
    return identical == concurrent && wrong == 0 ? 0 : 1;
}
