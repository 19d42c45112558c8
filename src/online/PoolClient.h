#pragma once

#include <functional>

#include <QByteArray>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QString>
#include <QUrl>

// The program's side of the pool on the update server: joining, sending
// the 2010 chart, reading the ranking, each one request that answers JSON,
// read as it arrives and given up past `maxAnswerBytes`. The pseudo and
// token the server gave are kept in the user's settings, section "pool",
// under the server they belong to: a token is never sent to another
// server, and joining one server leaves the others' accounts as they are.
class PoolClient final : public QObject
{
    Q_OBJECT
public:
    enum class Request { Join, Send, Ranking };
    struct Answer
    {
        int status = 0;   // HTTP status, 0 when no answer came
        QJsonObject json; // the server's answer
        QString error;    // why it failed, empty when it went through
        int retryAfter = 0; // seconds the server asks to wait, 0 when it did not
        QNetworkReply::NetworkError network = QNetworkReply::NoError; // why no answer came
        bool ok() const { return error.isEmpty(); }
        // The server's code for a refusal ("wrongCode", "pseudoTaken", ...),
        // for the program to word; empty when it gave none.
        QString reason() const { return json.value(QStringLiteral("reason")).toString(); }
    };
    struct Account
    {
        QString pseudo;
        QString token;
        bool isSet() const { return !pseudo.isEmpty() && !token.isEmpty(); }
    };

    // A ranking of a few thousand players; anything longer is no answer of
    // the pool's.
    static constexpr qint64 maxAnswerBytes = 4 * 1024 * 1024;

    explicit PoolClient(QObject *parent = nullptr);

    // The account kept for the update server in use; empty otherwise.
    static Account account();
    // The pool's ranking page on the update server in use, for a browser.
    static QUrl rankingPage();

    // A join that succeeds keeps the pseudo and token given.
    void join(const QString &pseudo, const QString &code = QString());
    void send(const QByteArray &chart);
    // One page of the ranking (`page` 0: the first), or the one that holds
    // `pseudo`; `per` players (0: the server's choice).
    void ranking(int page = 0, const QString &pseudo = QString(), int per = 0);

    // Runs the request `ask` makes until its answer; for the headless
    // commands.
    static Answer waitFor(const std::function<void(PoolClient &)> &ask);

signals:
    void answered(PoolClient::Request request, const PoolClient::Answer &answer);

private:
    void start(Request request, QNetworkReply *reply);
    static Answer answerOf(QNetworkReply *reply, const QByteArray &body, bool tooLarge);

    QNetworkAccessManager m_network;
};
