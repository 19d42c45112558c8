#pragma once

#include <utility>

#include <QByteArray>
#include <QHttpServerResponder>
#include <QList>

// One answer of the server, written whole for GET and POST and without its
// body, but with the length it would have, for HEAD. A 304 has no body and
// says nothing of one.
struct ServerReply
{
    QHttpServerResponder::StatusCode status = QHttpServerResponder::StatusCode::Ok;
    QByteArray contentType;
    QByteArray body;
    QList<std::pair<QByteArray, QByteArray>> headers;

    void send(QHttpServerResponder &responder, bool withBody) const
    {
        responder.writeStatusLine(status);
        if (status != QHttpServerResponder::StatusCode::NotModified) {
            responder.writeHeader("Content-Type", contentType);
            responder.writeHeader("Content-Length", QByteArray::number(body.size()));
        }
        for (const auto &[name, value] : headers)
            responder.writeHeader(name, value);
        responder.writeBody(withBody ? body : QByteArray());
    }
};
