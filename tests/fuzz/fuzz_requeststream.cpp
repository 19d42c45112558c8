// Any bytes, sent as one stream on one connection to Qt's HTTP module behind
// the connection guard, as the server runs them: the requests the module
// answers must be the ones the guard's reader finds in the stream, in the
// same order, with the same methods and body lengths, and none after one
// the guard refuses or one that ends the connection. Any difference is a
// request the two readers would split differently.
#include <cstdint>
#include <cstdlib>
#include <memory>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHttpServer>
#include <QMetaEnum>
#include <QTcpSocket>
#include <QTextStream>

#include "server/BoundedTcpServer.h"

namespace {

struct Read
{
    QByteArray method;
    qint64 body;
    bool operator==(const Read &) const = default;
};

constexpr qint64 maxBody = 512;

// The guard's reading of the stream, as its request reader and its rules
// decide: whole requests up to the first refused or unfinished one, or the
// one that ends the connection.
QList<Read> guardReading(QByteArrayView bytes, const ConnectionLimits &limits, const HeadRules &rules)
{
    QList<Read> requests;
    while (!bytes.isEmpty()) {
        RequestHead head(limits.maxRequestLine, limits.maxHeaderBlock);
        const qsizetype taken = head.feed(bytes);
        const qint64 body = head.bodyLength();
        if (head.state() != RequestHead::State::Complete || taken + body > bytes.size() ||
            (body > 0 && !rules.find(head.path())))
            break;
        requests.append({head.method(), body});
        bytes = bytes.sliced(taken + body);
        if (head.wantsClose())
            break;
    }
    return requests;
}

struct Server
{
    ConnectionLimits limits;
    QString logText;
    QTextStream logStream{&logText};
    AccessLog log{logStream};
    HeadRules rules;
    BodyBudget budget{1 << 20, 1 << 20};
    QHttpServer http;
    QList<Read> answered;
    quint16 port = 0;

    Server()
    {
        // Every input comes from the same address, and its connections
        // may outlive it for a turn.
        limits.maxPerAddress = limits.maxConnections;
        rules.add("/up", {maxBody, {}});
        http.setMissingHandler([this](const QHttpServerRequest &request, QHttpServerResponder &&responder) {
            const char *method = QMetaEnum::fromType<QHttpServerRequest::Method>().valueToKey(int(request.method()));
            answered.append({QByteArray(method ? method : "?").toUpper(), request.body().size()});
            responder.write(QByteArray("ok"), "text/plain");
        });
        auto *tcp = new BoundedTcpServer({limits, log, rules, budget}, {}, nullptr);
        tcp->listen(QHostAddress::LocalHost, 0);
        port = tcp->serverPort();
        http.bind(tcp);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_requeststream";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static Server server;

    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<Read> expected = guardReading(bytes, server.limits, server.rules);
    server.answered.clear();
    {
        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, server.port);
        if (!client.waitForConnected(2000))
            std::abort();
        client.write(bytes);
        // Until the module has answered what the guard passed, then a moment
        // for anything more it might answer.
        QElapsedTimer clock;
        clock.start();
        qint64 settled = -1;
        while (clock.elapsed() < 3000 && (settled < 0 || clock.elapsed() < settled + 20)) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            if (settled < 0 && server.answered.size() >= expected.size())
                settled = clock.elapsed();
        }
        client.abort();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    if (server.answered != expected)
        std::abort();
    return 0;
}
