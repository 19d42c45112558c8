// Many readers of a running pool at once: each keeps one connection (from
// an address of its own on the loopback, as a crowd comes from many) and
// reads random pages of the ranking, one after another, for a while; then
// the answers' times at the median and the 99th percentile, the answers
// that were not 200, and, with --pid, the server's peak memory.
//   bench_poolreaders PORT PLAYERS [--readers 100] [--seconds 20] [--pid PID]
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTcpSocket>
#include <QTimer>

namespace {

// One reader: a request, its whole answer, the next request.
class Reader final : public QObject
{
public:
    Reader(int n, quint16 port, int pages, std::vector<double> &times, int &failures)
        : m_pages(pages)
        , m_times(times)
        , m_failures(failures)
    {
        m_socket.bind(QHostAddress(QStringLiteral("127.0.%1.%2").arg(n / 250 + 10).arg(n % 250 + 1)));
        connect(&m_socket, &QTcpSocket::connected, this, &Reader::ask);
        connect(&m_socket, &QTcpSocket::readyRead, this, &Reader::read);
        m_socket.connectToHost(QHostAddress::LocalHost, port);
    }

    bool m_stopping = false;

private:
    void ask()
    {
        if (m_stopping)
            return;
        m_answer.clear();
        m_clock.start();
        const int page = QRandomGenerator::global()->bounded(m_pages) + 1;
        m_socket.write("GET /pool/ranking?format=json&page=" + QByteArray::number(page) +
                       " HTTP/1.1\r\nHost: bench\r\n\r\n");
    }

    void read()
    {
        m_answer += m_socket.readAll();
        const qsizetype end = m_answer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const qsizetype length = m_answer.indexOf("Content-Length: ");
        const qsizetype body = length < 0 ? 0 : m_answer.mid(length + 16, 12).split('\r').value(0).toLongLong();
        if (m_answer.size() < end + 4 + body)
            return;
        m_times.push_back(m_clock.nsecsElapsed() / 1e6);
        if (!m_answer.startsWith("HTTP/1.1 200"))
            ++m_failures;
        ask();
    }

    QTcpSocket m_socket;
    int m_pages;
    std::vector<double> &m_times;
    int &m_failures;
    QByteArray m_answer;
    QElapsedTimer m_clock;
};

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    const auto at = values.begin() + std::ptrdiff_t(p * double(values.size() - 1));
    std::nth_element(values.begin(), at, values.end());
    return *at;
}

QByteArray peakMemory(const QString &pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return "?";
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed();
    return "?";
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const auto option = [&](const char *name, const QString &fallback) {
        const qsizetype at = arguments.indexOf(QLatin1String(name));
        return at > 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : fallback;
    };
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: bench_poolreaders PORT PLAYERS [--readers N] [--seconds S] [--pid PID]\n");
        return 2;
    }
    const auto port = quint16(arguments.at(1).toUInt());
    const int pages = qMax(1, arguments.at(2).toInt() / 100);
    const int readers = option("--readers", QStringLiteral("100")).toInt();
    const int seconds = option("--seconds", QStringLiteral("20")).toInt();
    std::vector<double> times;
    int failures = 0;
    std::vector<std::unique_ptr<Reader>> all;
    for (int n = 0; n < readers; ++n)
        all.push_back(std::make_unique<Reader>(n, port, pages, times, failures));
    QTimer::singleShot(seconds * 1000, &app, [&] {
        for (auto &reader : all)
            reader->m_stopping = true;
        app.quit();
    });
    app.exec();
    std::printf("%d readers, %d s: %zu answers (%.0f/s), %d not 200; p50 %.1f ms, p99 %.1f ms", readers, seconds,
                times.size(), double(times.size()) / seconds, failures, percentile(times, 0.5),
                percentile(times, 0.99));
    const QString pid = option("--pid", QString());
    if (!pid.isEmpty())
        std::printf("; the server's peak memory %s", peakMemory(pid).constData());
    std::printf("\n");
    return 0;
}
