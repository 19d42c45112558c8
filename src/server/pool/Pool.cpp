#include "server/pool/Pool.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHttpServerRequest>
#include <QJsonArray>
#include <QJsonObject>
#include <QUrlQuery>

#include "predictions/PredictionFile.h"
#include "server/ClientKey.h"
#include "server/PublishedChart.h"
#include "server/RequestHead.h"
#include "server/UpdateServer.h"
#include "server/pool/PoolPages.h"
#include "server/pool/PoolPseudo.h"
#include "server/pool/PoolStandings.h"
#include "server/pool/PoolToken.h"
#include "storage/ChartFile.h"
#include "tournament/GroupFixtures.h"
#include "tournament/Tournament.h"

namespace {

using Status = QHttpServerResponder::StatusCode;

QString queryValue(const QHttpServerRequest &request, const QString &key)
{
    return request.query().queryItemValue(key, QUrl::FullyDecoded);
}

QString pseudoOf(const QHttpServerRequest &request)
{
    return queryValue(request, QStringLiteral("pseudo")).trimmed();
}

QJsonArray codesOf(const std::vector<int> &matches)
{
    QJsonArray codes;
    for (int m : matches)
        codes.append(matchCode(m));
    return codes;
}

QStringList teamNamesOf(const Tournament &t)
{
    QStringList names;
    for (GroupId g : allGroups)
        for (int slot = 1; slot <= 4; ++slot)
            names << t.group(g).team->text(slot);
    return names;
}

QString timeText(const QDateTime &moment)
{
    return moment.toUTC().toString(QStringLiteral("dd/MM/yyyy HH:mm 'UTC'"));
}

const QString notSent = QStringLiteral("Pronostic non enregistré");
const QString unavailable = QStringLiteral("La base du concours ne répond pas ; réessayez plus tard.");

} // namespace

Pool::Pool(const QString &folder, Settings settings, Clock clock)
    : m_folder(folder)
    , m_settings(std::move(settings))
    , m_clock(std::move(clock))
    , m_store(m_settings.database, QDir(folder).filePath(QStringLiteral("pool.sqlite")))
{}

void Pool::addPages(UpdateServer &server)
{
    m_server = &server;
    server.keepPrivate(QStringLiteral("pool.sqlite"));
    server.addPage(
        "/pool/join",
        [](const QHttpServerRequest &r) {
            return poolPages::refusal(r, Status::MethodNotAllowed, QStringLiteral("Inscription"),
                                      QStringLiteral("On rejoint le concours par POST /pool/join?pseudo=NOM."));
        },
        [this](const QHttpServerRequest &r) { return join(r); });
    server.addPage(
        "/pool/prediction", [this](const QHttpServerRequest &r) { return ownPrediction(r); },
        [this](const QHttpServerRequest &r) { return send(r); });
    server.addPage("/pool/ranking", [this](const QHttpServerRequest &r) { return ranking(r); });
    server.addPage("/pool", [this](const QHttpServerRequest &r) { return ranking(r); });
    for (int m = 0; m < groupMatches; ++m)
        server.addPage(QByteArray("/pool/match/" + matchCode(m).toLatin1()).constData(),
                       [this, m](const QHttpServerRequest &r) { return match(r, m); });
    // A stranger's chart is turned away before it is read: only a player
    // with a right token may send one, and no larger than a published one.
    server.addBodyRoute("/pool/prediction",
                        {PublishedChart::maxBytes, [this](const RequestHead &head, const QHostAddress &client) {
                             const Access granted = access(client, QUrlQuery(QString::fromUtf8(head.query())));
                             return granted == Access::Granted ? HeadVerdict{} : headRefusal(granted, client);
                         }});
}

const Pool::Published &Pool::published()
{
    const QFileInfo file(PublishedChart(m_folder).filePath());
    if (file.exists() == m_published.exists && file.lastModified() == m_published.modified &&
        file.size() == m_published.size)
        return m_published;
    m_published = {};
    m_published.exists = file.exists();
    m_published.modified = file.lastModified();
    m_published.size = file.size();
    const PredictionFile chart = readPredictionFile(file.filePath());
    if (chart.problem != PredictionProblem::None || !isWhole2010Chart(chart.bytes))
        return m_published;
    Tournament results;
    loadPrediction(results, chart.bytes);
    m_published.present = true;
    m_published.results = predictionFigures(results);
    m_published.locks = PoolLocks(chart.bytes, m_settings.closes);
    m_published.teamNames = teamNamesOf(results);
    return m_published;
}

Pool::Access Pool::access(const QHttpServerRequest &request)
{
    return access(m_server ? m_server->clientOf(request) : request.remoteAddress(), request.query());
}

Pool::Access Pool::access(const QHostAddress &client, const QUrlQuery &query)
{
    const QByteArray key = clientKey(client);
    const auto now = PasswordThrottle::Clock::now();
    if (m_tokens.secondsToWait(key, now) > 0)
        return Access::Throttled;
    const std::optional<QByteArray> kept =
        m_store.tokenHash(query.queryItemValue(QStringLiteral("pseudo"), QUrl::FullyDecoded).trimmed());
    if (!kept)
        return Access::Failed;
    if (kept->isEmpty() ||
        !poolToken::matches(query.queryItemValue(QStringLiteral("token"), QUrl::FullyDecoded).toLatin1(), *kept)) {
        m_tokens.failed(key, now);
        return Access::Refused;
    }
    return Access::Granted;
}

HeadVerdict Pool::headRefusal(Access access, const QHostAddress &client) const
{
    switch (access) {
    case Access::Throttled: {
        const int wait = std::max(1, m_tokens.secondsToWait(clientKey(client), PasswordThrottle::Clock::now()));
        return {int(Status::TooManyRequests), notSent,
                QStringLiteral("Trop de jetons faux : réessayez dans %1 s.").arg(wait),
                "Retry-After: " + QByteArray::number(wait) + "\r\n"};
    }
    case Access::Failed:
        return {int(Status::ServiceUnavailable), notSent, unavailable, {}};
    case Access::Refused:
    case Access::Granted:
        break;
    }
    return {int(Status::Forbidden), notSent, QStringLiteral("Pseudo inconnu ou jeton faux."), {}};
}

ServerReply Pool::accessRefusal(const QHttpServerRequest &request, Access access, const QString &title) const
{
    const HeadVerdict refused =
        headRefusal(access, m_server ? m_server->clientOf(request) : request.remoteAddress());
    ServerReply reply = poolPages::refusal(request, Status(refused.status), title, refused.text,
                                           access == Access::Throttled ? QStringLiteral("wait")
                                           : access == Access::Refused ? QStringLiteral("token")
                                                                       : QString());
    if (const qsizetype colon = refused.extraHeaders.indexOf(':'); colon > 0)
        reply.headers.emplaceBack(refused.extraHeaders.left(colon), refused.extraHeaders.mid(colon + 1).trimmed());
    return reply;
}

ServerReply Pool::join(const QHttpServerRequest &request)
{
    const QString refused = QStringLiteral("Inscription refusée");
    const QByteArray client = clientKey(m_server ? m_server->clientOf(request) : request.remoteAddress());
    const auto now = PasswordThrottle::Clock::now();
    if (const int wait = m_joins.secondsToWait(client, now); wait > 0) {
        ServerReply reply = poolPages::refusal(
            request, Status::TooManyRequests, refused,
            QStringLiteral("Trop d'inscriptions : réessayez dans %1 s.").arg(wait), QStringLiteral("wait"));
        reply.headers.emplaceBack("Retry-After", QByteArray::number(wait));
        return reply;
    }
    // Every join counts, on a brake of its own: nobody fills the pool with
    // names from one address, and the players who joined from it still
    // send.
    m_joins.failed(client, now);
    const QString pseudo = pseudoOf(request);
    if (!poolPseudo::isFit(pseudo))
        return poolPages::refusal(
            request, Status::BadRequest, refused,
            QStringLiteral("Le pseudo doit compter 1 à %1 caractères visibles, dont une lettre "
                           "ou un chiffre.")
                .arg(poolPseudo::maxLength),
            QStringLiteral("pseudo"));
    if (!m_settings.code.isEmpty() && queryValue(request, QStringLiteral("code")).toUtf8() != m_settings.code)
        return poolPages::refusal(request, Status::Forbidden, refused,
                                  QStringLiteral("Le code du concours est faux."), QStringLiteral("code"));
    const QByteArray token = poolToken::make();
    switch (m_store.join(pseudo, poolToken::hash(token), m_clock())) {
    case PoolStore::Outcome::Done:
        break;
    case PoolStore::Outcome::Taken:
        return poolPages::refusal(request, Status::Conflict, refused,
                                  QStringLiteral("Le pseudo %1 est déjà pris.").arg(pseudo),
                                  QStringLiteral("taken"));
    case PoolStore::Outcome::Failed:
        return poolPages::refusal(request, Status::ServiceUnavailable, refused, unavailable);
    }
    return poolPages::reply(
        request, Status::Ok, QStringLiteral("Bienvenue dans le concours"),
        QStringLiteral(
            "<p>Gardez ce jeton secret : il vous faut pour envoyer votre pronostic.</p>\n<p><code>%1</code></p>\n")
            .arg(QString::fromLatin1(token)),
        {{QStringLiteral("pseudo"), pseudo}, {QStringLiteral("token"), QString::fromLatin1(token)}});
}

ServerReply Pool::send(const QHttpServerRequest &request)
{
    if (const Access granted = access(request); granted != Access::Granted)
        return accessRefusal(request, granted, notSent);
    if (request.body().size() > PublishedChart::maxBytes)
        return poolPages::refusal(request, Status::PayloadTooLarge, notSent,
                                  QStringLiteral("Le fichier dépasse 1 Mo."));
    const Published &chart = published();
    if (!chart.present)
        return poolPages::refusal(request, Status::ServiceUnavailable, notSent,
                                  QStringLiteral("Aucun tableau n'est publié : le concours n'a pas commencé."));
    const QByteArray bytes = request.body();
    const bool whole = isWhole2010Chart(bytes);
    Tournament sent;
    if (whole)
        loadPrediction(sent, bytes);
    if (!whole || teamNamesOf(sent) != chart.teamNames)
        return poolPages::refusal(request, Status::BadRequest, notSent,
                                  QStringLiteral("Le fichier envoyé n'est pas un tableau Vylora 2010 entier."));
    const PredictionFigures figures = predictionFigures(sent);

    const QDateTime now = m_clock();
    QJsonArray taken;
    QJsonArray locked;
    std::vector<int> predicted;
    for (int m = 0; m < groupMatches; ++m) {
        (chart.locks.matchLocked(m, now) ? locked : taken).append(matchCode(m));
        if (!chart.locks.matchLocked(m, now) && figures.matches[std::size_t(m)].played)
            predicted.push_back(m);
    }
    const bool bracketTaken = !chart.locks.bracketLocked(now);
    // What the player changed after its kick-off: the chart sent holds
    // every score, so only a difference from the stored one is a change.
    std::vector<int> late;
    bool bracketLate = false;
    const auto merge = [&](const std::optional<PredictionFigures> &stored) {
        PredictionFigures kept = stored.value_or(PredictionFigures());
        late.clear();
        for (int m = 0; m < groupMatches; ++m) {
            const MatchFigures &was = kept.matches[std::size_t(m)], &sentScore = figures.matches[std::size_t(m)];
            if (!chart.locks.matchLocked(m, now))
                kept.matches[std::size_t(m)] = sentScore;
            else if (was.played != sentScore.played ||
                     (was.played && (was.home != sentScore.home || was.away != sentScore.away)))
                late.push_back(m);
        }
        if (bracketTaken) {
            kept.rounds = figures.rounds;
            kept.champion = figures.champion;
        }
        bracketLate = !bracketTaken && (kept.rounds != figures.rounds || kept.champion != figures.champion);
        return kept;
    };
    if (m_store.send(pseudoOf(request), now, merge) != PoolStore::Outcome::Done)
        return poolPages::refusal(request, Status::ServiceUnavailable, notSent, unavailable);
    QString summary = QStringLiteral("Pris : %1 match(s) pronostiqué(s)%2 ; verrouillé : %3 match(s)%4.")
                          .arg(predicted.size())
                          .arg(bracketTaken ? QStringLiteral(" et la phase finale") : QString())
                          .arg(locked.size())
                          .arg(bracketTaken ? QString() : QStringLiteral(" et la phase finale"));
    if (!late.empty() || bracketLate) {
        QStringList changed;
        for (const QJsonValue code : codesOf(late))
            changed << code.toString();
        if (bracketLate)
            changed << QStringLiteral("la phase finale");
        summary += QStringLiteral(" Trop tard, déjà commencé : %1.").arg(changed.join(QStringLiteral(", ")));
    }
    return poolPages::reply(
        request, Status::Ok, QStringLiteral("Pronostic enregistré"),
        QStringLiteral("<p>%1</p>\n").arg(summary.toHtmlEscaped()),
        {{QStringLiteral("taken"), taken},
         {QStringLiteral("locked"), locked},
         {QStringLiteral("predicted"), codesOf(predicted)},
         {QStringLiteral("late"), codesOf(late)},
         {QStringLiteral("bracketLate"), bracketLate},
         {QStringLiteral("bracket"), bracketTaken ? QStringLiteral("taken") : QStringLiteral("locked")}});
}

ServerReply Pool::ownPrediction(const QHttpServerRequest &request)
{
    const QString title = QStringLiteral("Mon pronostic");
    if (const Access granted = access(request); granted != Access::Granted)
        return accessRefusal(request, granted, title);
    const std::optional<PoolStore::Player> player = m_store.player(pseudoOf(request));
    if (!player)
        return poolPages::refusal(request, Status::ServiceUnavailable, title, unavailable);
    const Published &chart = published();
    QJsonObject matches;
    QString rows;
    for (int m = 0; m < groupMatches; ++m) {
        const MatchFigures &f = player->figures.matches[std::size_t(m)];
        matches.insert(matchCode(m), poolPages::scoreText(f));
        rows += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>\n").arg(matchCode(m), poolPages::scoreText(f));
    }
    const QString champion = chart.teamNames.value(player->figures.champion);
    return poolPages::reply(
        request, Status::Ok, title,
        QStringLiteral("<table>%1</table>\n<p>Champion : %2</p>\n").arg(rows, champion.toHtmlEscaped()),
        {{QStringLiteral("pseudo"), player->pseudo},
         {QStringLiteral("sent"), player->sent},
         {QStringLiteral("matches"), matches},
         {QStringLiteral("champion"), champion}});
}

ServerReply Pool::match(const QHttpServerRequest &request, int match)
{
    const Published &chart = published();
    const QDateTime now = m_clock();
    const QString code = matchCode(match);
    if (!chart.present || !chart.locks.matchLocked(match, now)) {
        const QDateTime lock = chart.locks.matchLock(match);
        return poolPages::refusal(
            request, Status::Forbidden, QStringLiteral("Match %1 : pronostics scellés").arg(code),
            lock.isValid() && chart.present
                ? QStringLiteral("Les pronostics de ce match restent scellés jusqu'au %1.").arg(timeText(lock))
                : QStringLiteral("Les pronostics de ce match restent scellés."));
    }
    const std::optional<std::vector<PoolStore::Player>> players = m_store.players();
    if (!players)
        return poolPages::refusal(request, Status::ServiceUnavailable, QStringLiteral("Match %1").arg(code),
                                  unavailable);
    const MatchFigures &result = chart.results.matches[std::size_t(match)];
    std::vector<poolPages::MatchLine> lines;
    for (const PoolStore::Player &player : *players) {
        PredictionFigures one;
        one.matches[std::size_t(match)] = player.figures.matches[std::size_t(match)];
        if (one.matches[std::size_t(match)].played)
            lines.push_back({player.pseudo, one.matches[std::size_t(match)],
                             scoreFigures(one, chart.results).matchPoints[std::size_t(match)]});
    }
    const int group = match / 6;
    const Fixture &fixture = GroupFixtures[std::size_t(match % 6)];
    return poolPages::match(
        request, code,
        {chart.teamNames.value(group * 4 + fixture.home - 1), chart.teamNames.value(group * 4 + fixture.away - 1)},
        result, lines);
}

ServerReply Pool::ranking(const QHttpServerRequest &request)
{
    const std::optional<std::vector<PoolStore::Player>> players = m_store.players();
    if (!players)
        return poolPages::refusal(request, Status::ServiceUnavailable, QStringLiteral("Classement du concours"),
                                  unavailable);
    const Published &chart = published();
    return poolPages::ranking(request, poolStandings(*players, chart.results, chart.locks, m_clock()));
}
