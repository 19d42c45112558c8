#include "online/PoolClient.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrlQuery>

#include "online/ServerSettings.h"
#include "storage/UserSettings.h"

namespace {

constexpr qint64 maxAnswerBytes = 4 * 1024 * 1024;
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

} // namespace

PoolClient::PoolClient(QObject *parent)
    : QObject(parent)
{}

PoolClient::Account PoolClient::account()
{
    const UserSettings settings;
    if (settings.value(QStringLiteral("pool/server")) != serverKey())
        return {};
    return {settings.value(QStringLiteral("pool/pseudo")), settings.value(QStringLiteral("pool/token"))};
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

void PoolClient::start(Request request, QNetworkReply *reply)
{
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received) {
        if (received > maxAnswerBytes)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, request, reply] {
        reply->deleteLater();
        const Answer answer = answerOf(reply);
        if (request == Request::Join && answer.ok()) {
            UserSettings().setValues(
                {{QStringLiteral("pool/server"), serverKey()},
                 {QStringLiteral("pool/pseudo"), answer.json.value(QStringLiteral("pseudo")).toString()},
                 {QStringLiteral("pool/token"), answer.json.value(QStringLiteral("token")).toString()}});
        }
        emit answered(request, answer);
    });
}

PoolClient::Answer PoolClient::answerOf(QNetworkReply *reply)
{
    Answer answer;
    answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray body = reply->readAll();
    const QJsonDocument document = QJsonDocument::fromJson(body);
    answer.json = document.object();
    if (answer.status == 0)
        answer.error = reply->errorString();
    else if (answer.status != 200)
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
