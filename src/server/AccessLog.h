#pragma once

#include <array>

#include <QByteArrayView>
#include <QHostAddress>

class QTextStream;

// One line per answer: time, client, method, target, status and the body
// bytes that really left. Every line goes through `write`, whoever answers,
// so that no secret reaches the log: the query parameters named in
// `secretParameters` lose their values. Whatever a client sent is then cut
// to a few hundred bytes and escaped, so a line stays one short line of
// plain ASCII whatever arrived.
class AccessLog final
{
public:
    explicit AccessLog(QTextStream &out)
        : m_out(out)
    {}

    static constexpr qsizetype maxField = 256;
    // The publishing password and the pool's tokens.
    static constexpr std::array<QByteArrayView, 3> secretParameters{"mdp", "token", "code"};

    void write(const QHostAddress &client, QByteArrayView method, QByteArrayView target, int status,
               qint64 bytes) const;

    // The target with every secret parameter's value left out, also in a
    // target cut short or with a percent-encoded parameter name.
    static QByteArray withoutSecrets(QByteArrayView target);

private:
    QTextStream &m_out;
};
