#pragma once

#include <QByteArrayView>
#include <QHostAddress>

class QTextStream;

// One line per answer: time, client, method, target, status and body size.
// Whatever a client sent is cut to a few hundred bytes and escaped, so a
// line stays one short line of plain ASCII whatever arrived.
class AccessLog final
{
public:
    explicit AccessLog(QTextStream &out)
        : m_out(out)
    {}

    static constexpr qsizetype maxField = 256;

    void write(const QHostAddress &client, QByteArrayView method, QByteArrayView target, int status,
               qint64 bytes) const;

private:
    QTextStream &m_out;
};
