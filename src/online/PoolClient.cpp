#include "online/PoolClient.h"

#include <memory>

#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrlQuery>

#include "online/ServerSettings.h"
#include "storage/UserSettings.h"

namespace {

constexpr int timeoutMs = 30'000;

QNetworkRequest requestFor(const QString &path, QUrlQuery query)
{
    query.addQueryItem(QStringLiteral("format"), QStringLiteral("json"));
    QUrl url = ServerSettings::address(path);
    url.setQuery(query);
    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMs);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    return request;
}

QString serverKey()
{
    return ServerSettings::baseUrl().toString(QUrl::StripTrailingSlash);
}

// "pool/<server>/pseudo": the server's address, encoded so that it stays
// one key of the section.
QString accountKey(const QString &field)
{
    return QStringLiteral("pool/") +
           QString::fromLatin1(
               serverKey().toUtf8().toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals)) +
           u'-' + field;
}

} // namespace

PoolClient::PoolClient(QObject *parent)
    : QObject(parent)
{}

PoolClient::Account PoolClient::account()
{
    const UserSettings settings;
    const Account kept{settings.value(accountKey(QStringLiteral("pseudo"))),
                       settings.value(accountKey(QStringLiteral("token")))};
    // The one account the settings held before each server had its own.
    if (!kept.isSet() && settings.value(QStringLiteral("pool/server")) == serverKey())
        return {settings.value(QStringLiteral("pool/pseudo")), settings.value(QStringLiteral("pool/token"))};
    return kept;
}

QUrl PoolClient::rankingPage()
{
    return ServerSettings::address(QStringLiteral("/pool/ranking"));
}

void PoolClient::join(const QString &pseudo, const QString &code)
{
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("pseudo"), QString::fromLatin1(QUrl::toPercentEncoding(pseudo)));
    if (!code.isEmpty())
        query.addQueryItem(QStringLiteral("code"), QString::fromLatin1(QUrl::toPercentEncoding(code)));
    QNetworkRequest request = requestFor(QStringLiteral("/pool/join"), query);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("text/plain"));
    start(Request::Join, m_network.post(request, QByteArray()));
}

void PoolClient::send(const QByteArray &chart)
{
    const Account kept = account();
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("pseudo"), QString::fromLatin1(QUrl::toPercentEncoding(kept.pseudo)));
    query.addQueryItem(QStringLiteral("token"), kept.token);
    QNetworkRequest request = requestFor(QStringLiteral("/pool/prediction"), query);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray("text/plain; charset=windows-1252"));
    start(Request::Send, m_network.post(request, chart));
}

void PoolClient::ranking(int page, const QString &pseudo, int per)
{
    QUrlQuery query;
    if (page > 0)
        query.addQueryItem(QStringLiteral("page"), QString::number(page));
    if (per > 0)
        query.addQueryItem(QStringLiteral("per"), QString::number(per));
    if (!pseudo.isEmpty())
        query.addQueryItem(QStringLiteral("pseudo"), QString::fromLatin1(QUrl::toPercentEncoding(pseudo)));
    start(Request::Ranking, m_network.get(requestFor(QStringLiteral("/pool/ranking"), query)));
}

// The answer is taken from the reply as it comes, and the reply's own
// buffer kept small: its progress counts the bytes on the wire, which a
// compressed answer keeps small while it unpacks to gigabytes.
void PoolClient::start(Request request, QNetworkReply *reply)
{
    reply->setReadBufferSize(64 * 1024);
    auto body = std::make_shared<QByteArray>();
    auto tooLarge = std::make_shared<bool>(false);
    connect(reply, &QNetworkReply::readyRead, reply, [reply, body, tooLarge] {
        if (*tooLarge)
            return;
        *body += reply->read(maxAnswerBytes + 1 - body->size());
        if (body->size() > maxAnswerBytes) {
            *tooLarge = true;
            body->clear();
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, this, [this, request, reply, body, tooLarge] {
        reply->deleteLater();
        if (!*tooLarge)
            *body += reply->read(maxAnswerBytes + 1 - body->size());
        const Answer answer = answerOf(reply, *body, *tooLarge || body->size() > maxAnswerBytes);
        if (request == Request::Join && answer.ok()) {
            UserSettings().setValues(
                {{accountKey(QStringLiteral("pseudo")), answer.json.value(QStringLiteral("pseudo")).toString()},
                 {accountKey(QStringLiteral("token")), answer.json.value(QStringLiteral("token")).toString()}});
        }
        emit answered(request, answer);
    });
}

PoolClient::Answer PoolClient::answerOf(QNetworkReply *reply, const QByteArray &body, bool tooLarge)
{
    Answer answer;
    answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    answer.retryAfter = reply->rawHeader("Retry-After").toInt();
    if (tooLarge) {
        answer.error = QStringLiteral("the server's answer is larger than a pool's can be");
        return answer;
    }
    const QJsonDocument document = QJsonDocument::fromJson(body);
    answer.json = document.object();
    if (answer.status == 0) {
        answer.error = reply->errorString();
        answer.network = reply->error();
    } else if (answer.status != 200)
        answer.error =
            answer.json.value(QStringLiteral("error")).toString(QStringLiteral("HTTP %1").arg(answer.status));
    else if (!document.isObject())
        answer.error = QStringLiteral("the server's answer is no pool answer");
    return answer;
}

PoolClient::Answer PoolClient::waitFor(const std::function<void(PoolClient &)> &ask)
{
    PoolClient client;
    Answer answer;
    QEventLoop loop;
    connect(&client, &PoolClient::answered, &loop, [&](Request, const Answer &given) {
        answer = given;
        loop.quit();
    });
    ask(client);
    loop.exec();
    return answer;
}
