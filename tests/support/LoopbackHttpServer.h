#pragma once

#include <memory>

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMetaType>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

// A web server on 127.0.0.1 that answers each path as the test scripted it,
// faults included: any status, headers and body, a body cut short after
// announcing its full length or announcing none, a body dripped out byte
// by byte, or a connection accepted and never answered.
// A path without a script gets 404. Every request path is recorded.
class LoopbackHttpServer final
{
public:
    struct Answer
    {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "application/octet-stream";
        QList<std::pair<QByteArray, QByteArray>> headers;
        // When >= 0, only that many bytes of the body are sent, then the
        // connection closes; Content-Length still announces all of it.
        qsizetype sendOnly = -1;
        // Accept, read the request, say nothing.
        bool silent = false;
        // No Content-Length: only the closing connection ends the body.
        bool unannounced = false;
        // When > 0, the body goes out one byte every that many ms.
        int dripMs = 0;
        // Sent as the ETag; a request naming it in If-None-Match gets 304.
        QByteArray etag;
    };

    static Answer ok(const QByteArray &body, const QByteArray &contentType = "text/plain")
    {
        Answer answer;
        answer.body = body;
        answer.contentType = contentType;
        return answer;
    }

    LoopbackHttpServer()
    {
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] { acceptAll(); });
        m_server.listen(QHostAddress::LocalHost);
    }

    // Where nothing listens: a connection there is refused.
    static QUrl refusingUrl()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        const quint16 port = probe.serverPort();
        probe.close();
        return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port));
    }

    bool isListening() const { return m_server.isListening(); }
    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort())); }

    void answer(const QByteArray &path, const Answer &answer) { m_answers.insert(path, answer); }

    const QList<QByteArray> &requests() const { return m_requests; }
    qsizetype requestCount(const QByteArray &path) const { return m_requests.count(path); }

private:
    void acceptAll()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            auto buffer = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
                *buffer += socket->readAll();
                const qsizetype end = buffer->indexOf("\r\n\r\n");
                if (end < 0)
                    return;
                const QList<QByteArray> requestLine = buffer->left(buffer->indexOf("\r\n")).split(' ');
                const QByteArray head = buffer->left(end);
                buffer->clear();
                const QByteArray path = requestLine.size() > 1 ? requestLine[1] : QByteArray();
                m_requests.append(path);
                respond(socket, m_answers.value(path, notFound()), head);
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    static Answer notFound()
    {
        Answer answer;
        answer.status = 404;
        answer.body = "<html><body>Not found</body></html>";
        answer.contentType = "text/html";
        return answer;
    }

    static void respond(QTcpSocket *socket, Answer answer, const QByteArray &request)
    {
        if (answer.silent)
            return;
        if (!answer.etag.isEmpty() && request.contains("\r\nIf-None-Match: " + answer.etag + "\r\n")) {
            answer.status = 304;
            answer.body.clear();
        }
        QByteArray head = "HTTP/1.1 " + QByteArray::number(answer.status) + " Scripted\r\n";
        head += "Content-Type: " + answer.contentType + "\r\n";
        if (!answer.unannounced)
            head += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
        head += "Connection: close\r\n";
        if (!answer.etag.isEmpty())
            answer.headers.append({"ETag", answer.etag});
        for (const auto &[name, value] : answer.headers)
            head += name + ": " + value + "\r\n";
        socket->write(head + "\r\n");
        // All of the body at once, or a byte a tick when dripping.
        const QByteArray body = answer.sendOnly >= 0 ? answer.body.left(answer.sendOnly) : answer.body;
        const qsizetype step = answer.dripMs > 0 ? 1 : body.size();
        auto *tick = new QTimer(socket);
        QObject::connect(tick, &QTimer::timeout, socket,
                         [socket, tick, body, step, sent = qsizetype(0)]() mutable {
                             if (sent >= body.size()) {
                                 tick->stop();
                                 socket->disconnectFromHost();
                                 return;
                             }
                             socket->write(body.mid(sent, step));
                             sent += step;
                         });
        tick->start(answer.dripMs);
    }

    QTcpServer m_server;
    QHash<QByteArray, Answer> m_answers;
    QList<QByteArray> m_requests;
};

Q_DECLARE_METATYPE(LoopbackHttpServer::Answer)
