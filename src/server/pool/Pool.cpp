#include "server/pool/Pool.h"

#include <algorithm>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHttpServerRequest>
#include <QJsonArray>
#include <QJsonObject>
#include <QUrlQuery>

#include "history/NameKey.h"
#include "predictions/PredictionFile.h"
#include "server/ClientKey.h"
#include "server/PublishedChart.h"
#include "server/RequestHead.h"
#include "server/UpdateServer.h"
#include "server/pool/PoolPages.h"
#include "server/pool/PoolPseudo.h"
#include "server/pool/PoolStandings.h"
#include "server/pool/PoolStore.h"
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
const QString busyText = QStringLiteral("Le concours est très demandé ; réessayez dans un instant.");
const QString rankingTitle = QStringLiteral("Classement du concours");

int numberOr(const QHttpServerRequest &request, const QString &key, int fallback)
{
    bool ok = false;
    const int n = queryValue(request, key).toInt(&ok);
    return ok && n > 0 ? n : fallback;
}

// Standings behind the joins are computed again at once while that is
// cheap; for a big pool at most a tenth of the worker's time goes to it,
// and readers meanwhile see the standings of a moment ago.
bool behind(const PoolStore::State &state, const QString &source)
{
    if (state.source != source)
        return true;
    return state.changes != state.computed &&
           (state.tookMs < 100 || QDateTime::currentMSecsSinceEpoch() - state.computedAt >= 9LL * state.tookMs);
}

} // namespace

Pool::Pool(const QString &folder, Settings settings, Clock clock)
    : m_folder(folder)
    , m_settings(std::move(settings))
    , m_clock(std::move(clock))
    , m_worker(
          [this] {
              return std::make_unique<PoolStore>(m_settings.database,
                                                 QDir(m_folder).filePath(QStringLiteral("pool.sqlite")));
          },
          m_settings.queue)
{}

Pool::~Pool() = default;

void Pool::addPages(UpdateServer &server)
{
    m_server = &server;
    server.keepPrivate(QStringLiteral("pool.sqlite"));
    const auto within = m_settings.answerWithin;
    server.addLaterPage(
        "/pool/join", within,
        [](const QHttpServerRequest &r, const UpdateServer::Answer &a) {
            const ServerReply refused = poolPages::refusal(
                poolPages::wantsJson(r), Status::MethodNotAllowed, QStringLiteral("Inscription"),
                QStringLiteral("On rejoint le concours par POST /pool/join?pseudo=NOM."),
                QStringLiteral("methodNotAllowed"));
            a(refused);
            return refused;
        },
        [this](const QHttpServerRequest &r, const UpdateServer::Answer &a) { return join(r, a); });
    server.addLaterPage(
        "/pool/prediction", within,
        [this](const QHttpServerRequest &r, const UpdateServer::Answer &a) { return ownPrediction(r, a); },
        [this](const QHttpServerRequest &r, const UpdateServer::Answer &a) { return send(r, a); });
    for (const char *path : {"/pool/ranking", "/pool"})
        server.addLaterPage(path, within, [this](const QHttpServerRequest &r, const UpdateServer::Answer &a) {
            return ranking(r, a);
        });
    for (int m = 0; m < groupMatches; ++m)
        server.addLaterPage(
            QByteArray("/pool/match/" + matchCode(m).toLatin1()).constData(), within,
            [this, m](const QHttpServerRequest &r, const UpdateServer::Answer &a) { return match(r, a, m); });
    // A stranger's chart is turned away before it is read when this
    // instance knows the pseudo's token; a pseudo it has not seen yet (one
    // that joined through another instance) sends within the share of
    // bodies whose senders are not proven, and is checked with the body.
    server.addBodyRoute("/pool/prediction",
                        {PublishedChart::maxBytes, [this](const RequestHead &head, const QHostAddress &client) {
                             return headCheck(QUrlQuery(QString::fromUtf8(head.query())), client);
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
    // Two instances serving one folder, or two folders with the same
    // chart, name the same results alike.
    m_published.digest = QCryptographicHash::hash(chart.bytes, QCryptographicHash::Sha256);
    m_published.results = predictionFigures(results);
    m_published.locks = PoolLocks(chart.bytes, m_settings.closes);
    m_published.teamNames = teamNamesOf(results);
    return m_published;
}

Pool::Asked Pool::asked(const QHttpServerRequest &request) const
{
    return {poolPages::wantsJson(request), clientKey(m_server->clientOf(request)), pseudoOf(request),
            queryValue(request, QStringLiteral("token")).toLatin1(), m_clock()};
}

ServerReply Pool::later(const Asked &asked, const QString &title, const std::function<void(ServerReply)> &answer,
                        Job job)
{
    const ServerReply busy = poolPages::busy(asked.json, title, busyText);
    const bool queued = m_worker.post([job = std::move(job), answer](PoolStore &store) { answer(job(store)); },
                                      PoolWorker::Clock::now() + m_settings.answerWithin);
    if (!queued)
        answer(busy);
    return busy;
}

HeadVerdict Pool::headCheck(const QUrlQuery &query, const QHostAddress &address)
{
    const QByteArray client = clientKey(address);
    const auto now = PasswordThrottle::Clock::now();
    const std::lock_guard lock(m_shared);
    if (const int wait = m_throttle.secondsToWait(client, now); wait > 0)
        return headRefusal(Access::Throttled, wait);
    const auto kept = m_tokens.constFind(
        foldedName(query.queryItemValue(QStringLiteral("pseudo"), QUrl::FullyDecoded).trimmed()));
    if (kept == m_tokens.cend()) {
        HeadVerdict unproven;
        unproven.provenSender = false;
        return unproven;
    }
    if (!poolToken::matches(query.queryItemValue(QStringLiteral("token"), QUrl::FullyDecoded).toLatin1(), *kept)) {
        m_throttle.failed(client, now);
        return headRefusal(Access::Refused, 0);
    }
    return {};
}

Pool::Access Pool::access(PoolStore &store, const Asked &asked)
{
    const QString key = foldedName(asked.pseudo);
    std::optional<QByteArray> kept;
    {
        const std::lock_guard lock(m_shared);
        if (m_throttle.secondsToWait(asked.client, PasswordThrottle::Clock::now()) > 0)
            return Access::Throttled;
        if (const auto known = m_tokens.constFind(key); known != m_tokens.cend())
            kept = *known;
    }
    if (!kept)
        kept = store.tokenHash(asked.pseudo);
    if (!kept)
        return Access::Failed;
    const std::lock_guard lock(m_shared);
    if (kept->isEmpty() || !poolToken::matches(asked.token, *kept)) {
        m_throttle.failed(asked.client, PasswordThrottle::Clock::now());
        return Access::Refused;
    }
    m_tokens.insert(key, *kept);
    return Access::Granted;
}

HeadVerdict Pool::headRefusal(Access access, int wait)
{
    switch (access) {
    case Access::Throttled:
        return {int(Status::TooManyRequests), notSent,
                QStringLiteral("Trop de jetons faux : réessayez dans %1 s.").arg(wait),
                "Retry-After: " + QByteArray::number(wait) + "\r\n", QStringLiteral("tooManyTries")};
    case Access::Failed:
        return {int(Status::ServiceUnavailable), notSent, unavailable, "Retry-After: 2\r\n",
                QStringLiteral("busy")};
    case Access::Refused:
    case Access::Granted:
        break;
    }
    return {int(Status::Forbidden),
            notSent,
            QStringLiteral("Pseudo inconnu ou jeton faux."),
            {},
            QStringLiteral("wrongToken")};
}

ServerReply Pool::accessRefusal(const Asked &asked, Access access, const QString &title)
{
    if (access == Access::Failed)
        return poolPages::busy(asked.json, title, unavailable);
    if (access == Access::Refused)
        return poolPages::refusal(asked.json, Status::Forbidden, title, headRefusal(access, 0).text,
                                  QStringLiteral("wrongToken"));
    int wait = 0;
    {
        const std::lock_guard lock(m_shared);
        wait = std::max(1, m_throttle.secondsToWait(asked.client, PasswordThrottle::Clock::now()));
    }
    ServerReply reply = poolPages::refusal(asked.json, Status::TooManyRequests, title,
                                           headRefusal(access, wait).text, QStringLiteral("tooManyTries"));
    reply.headers.emplaceBack("Retry-After", QByteArray::number(wait));
    return reply;
}

ServerReply Pool::join(const QHttpServerRequest &request, const std::function<void(ServerReply)> &answer)
{
    const QString refused = QStringLiteral("Inscription refusée");
    const Asked a = asked(request);
    const auto refuse = [&](ServerReply reply) {
        answer(reply);
        return reply;
    };
    {
        const std::lock_guard lock(m_shared);
        const auto now = PasswordThrottle::Clock::now();
        if (const int wait = m_joins.secondsToWait(a.client, now); wait > 0) {
            ServerReply reply =
                poolPages::refusal(a.json, Status::TooManyRequests, refused,
                                   QStringLiteral("Trop d'inscriptions : réessayez dans %1 s.").arg(wait),
                                   QStringLiteral("tooManyTries"));
            reply.headers.emplaceBack("Retry-After", QByteArray::number(wait));
            return refuse(reply);
        }
        // Every join counts, on a brake of its own: nobody fills the pool
        // with names from one address, and the players who joined from it
        // still send.
        m_joins.failed(a.client, now);
    }
    if (!poolPseudo::isFit(a.pseudo))
        return refuse(poolPages::refusal(
            a.json, Status::BadRequest, refused,
            QStringLiteral("Le pseudo doit compter 1 à %1 caractères visibles, dont une lettre ou un chiffre.")
                .arg(poolPseudo::maxLength),
            QStringLiteral("badPseudo")));
    if (!m_settings.code.isEmpty() && queryValue(request, QStringLiteral("code")).toUtf8() != m_settings.code)
        return refuse(poolPages::refusal(a.json, Status::Forbidden, refused,
                                         QStringLiteral("Le code du concours est faux."),
                                         QStringLiteral("wrongCode")));
    return later(a, refused, answer, [this, a, refused](PoolStore &store) {
        const QByteArray token = poolToken::make();
        const QByteArray hash = poolToken::hash(token);
        switch (store.join(a.pseudo, hash, a.now)) {
        case PoolStore::Outcome::Done:
            break;
        case PoolStore::Outcome::Taken:
            return poolPages::refusal(a.json, Status::Conflict, refused,
                                      QStringLiteral("Le pseudo %1 est déjà pris.").arg(a.pseudo),
                                      QStringLiteral("pseudoTaken"));
        case PoolStore::Outcome::Failed:
            return poolPages::busy(a.json, refused, unavailable);
        }
        m_state.reset();
        {
            const std::lock_guard lock(m_shared);
            m_tokens.insert(foldedName(a.pseudo), hash);
        }
        return poolPages::reply(
            a.json, Status::Ok, QStringLiteral("Bienvenue dans le concours"),
            QStringLiteral("<p>Gardez ce jeton secret : il vous faut pour envoyer votre "
                           "pronostic.</p>\n<p><code>%1</code></p>\n")
                .arg(QString::fromLatin1(token)),
            {{QStringLiteral("pseudo"), a.pseudo}, {QStringLiteral("token"), QString::fromLatin1(token)}});
    });
}

ServerReply Pool::send(const QHttpServerRequest &request, const std::function<void(ServerReply)> &answer)
{
    const Asked a = asked(request);
    if (request.body().size() > PublishedChart::maxBytes) {
        ServerReply reply =
            poolPages::refusal(a.json, Status::PayloadTooLarge, notSent,
                               QStringLiteral("Le fichier dépasse 1 Mo."), QStringLiteral("tooLarge"));
        answer(reply);
        return reply;
    }
    return later(a, notSent, answer,
                 [this, a, bytes = request.body()](PoolStore &store) { return sentChart(store, a, bytes); });
}

ServerReply Pool::sentChart(PoolStore &store, const Asked &a, const QByteArray &bytes)
{
    if (const Access granted = access(store, a); granted != Access::Granted)
        return accessRefusal(a, granted, notSent);
    const Published &chart = published();
    if (!chart.present)
        return poolPages::refusal(a.json, Status::ServiceUnavailable, notSent,
                                  QStringLiteral("Aucun tableau n'est publié : le concours n'a pas commencé."),
                                  QStringLiteral("notStarted"));
    const bool whole = isWhole2010Chart(bytes);
    Tournament sent;
    if (whole)
        loadPrediction(sent, bytes);
    if (!whole || teamNamesOf(sent) != chart.teamNames)
        return poolPages::refusal(a.json, Status::BadRequest, notSent,
                                  QStringLiteral("Le fichier envoyé n'est pas un tableau Vylora 2010 entier."),
                                  QStringLiteral("notAChart"));
    const PredictionFigures figures = predictionFigures(sent);

    const QDateTime &now = a.now;
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
    if (store.send(a.pseudo, now, merge) != PoolStore::Outcome::Done)
        return poolPages::busy(a.json, notSent, unavailable);
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
        a.json, Status::Ok, QStringLiteral("Pronostic enregistré"),
        QStringLiteral("<p>%1</p>\n").arg(summary.toHtmlEscaped()),
        {{QStringLiteral("taken"), taken},
         {QStringLiteral("locked"), locked},
         {QStringLiteral("predicted"), codesOf(predicted)},
         {QStringLiteral("late"), codesOf(late)},
         {QStringLiteral("bracketLate"), bracketLate},
         {QStringLiteral("bracket"), bracketTaken ? QStringLiteral("taken") : QStringLiteral("locked")}});
}

ServerReply Pool::ownPrediction(const QHttpServerRequest &request, const std::function<void(ServerReply)> &answer)
{
    const QString title = QStringLiteral("Mon pronostic");
    const Asked a = asked(request);
    return later(a, title, answer, [this, a, title](PoolStore &store) {
        if (const Access granted = access(store, a); granted != Access::Granted)
            return accessRefusal(a, granted, title);
        const std::optional<PoolStore::Player> player = store.player(a.pseudo);
        if (!player)
            return poolPages::busy(a.json, title, unavailable);
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
            a.json, Status::Ok, title,
            QStringLiteral("<table>%1</table>\n<p>Champion : %2</p>\n").arg(rows, champion.toHtmlEscaped()),
            {{QStringLiteral("pseudo"), player->pseudo},
             {QStringLiteral("sent"), player->sent},
             {QStringLiteral("matches"), matches},
             {QStringLiteral("champion"), champion}});
    });
}

ServerReply Pool::match(const QHttpServerRequest &request, const std::function<void(ServerReply)> &answer,
                        int match)
{
    const Asked a = asked(request);
    const QString code = matchCode(match);
    return later(
        a, QStringLiteral("Match %1").arg(code), answer,
        [this, a, match, code, paging = paging(request)](PoolStore &store) mutable {
            const QString title = QStringLiteral("Match %1").arg(code);
            const Published &chart = published();
            if (!chart.present || !chart.locks.matchLocked(match, a.now)) {
                const QDateTime lock = chart.locks.matchLock(match);
                return poolPages::refusal(
                    a.json, Status::Forbidden, QStringLiteral("Match %1 : pronostics scellés").arg(code),
                    lock.isValid() && chart.present
                        ? QStringLiteral("Les pronostics de ce match restent scellés jusqu'au %1.")
                              .arg(timeText(lock))
                        : QStringLiteral("Les pronostics de ce match restent scellés."),
                    QStringLiteral("locked"));
            }
            // The players in the ranking's order, so that a player is on the
            // same page here as there.
            const std::optional<PoolStore::State> state = standingsNow(store, chart, a.now);
            if (!state)
                return poolPages::busy(a.json, title, unavailable);
            if (std::optional<ServerReply> refused = turnTo(store, a, title, paging))
                return std::move(*refused);
            const QString key =
                QStringLiteral("%1 %2 %3 %4").arg(code).arg(a.json).arg(paging.page).arg(paging.per);
            if (const ServerReply *kept = m_pages.find(key))
                return *kept;
            const auto [first, last] = paging.ranks();
            const std::optional<std::vector<PoolStore::Predicted>> read =
                first > state->total ? std::vector<PoolStore::Predicted>()
                                     : store.matchPredictions(match, first, last);
            if (!read)
                return poolPages::busy(a.json, title, unavailable);
            const MatchFigures &result = chart.results.matches[std::size_t(match)];
            poolPages::MatchPage page{code, {}, result, state->total, paging.page, paging.per, {}};
            const int group = match / 6;
            const Fixture &fixture = GroupFixtures[std::size_t(match % 6)];
            page.teams = QStringList{chart.teamNames.value(group * 4 + fixture.home - 1),
                                     chart.teamNames.value(group * 4 + fixture.away - 1)};
            page.lines.reserve(read->size());
            for (const PoolStore::Predicted &p : *read) {
                PredictionFigures one;
                one.matches[std::size_t(match)] = p.score;
                page.lines.push_back(
                    {p.rank, p.pseudo, p.score,
                     p.score.played ? scoreFigures(one, chart.results).matchPoints[std::size_t(match)] : 0});
            }
            const ServerReply answer = poolPages::match(a.json, page);
            m_pages.keep(key, answer);
            return answer;
        });
}

Pool::Paging Pool::paging(const QHttpServerRequest &request)
{
    return {numberOr(request, QStringLiteral("page"), 1),
            qMin(numberOr(request, QStringLiteral("per"), poolPages::defaultPerPage), poolPages::maxPerPage)};
}

ServerReply Pool::ranking(const QHttpServerRequest &request, const std::function<void(ServerReply)> &answer)
{
    const Asked a = asked(request);
    return later(a, rankingTitle, answer,
                 [this, a, paging = paging(request)](PoolStore &store) { return rankingPage(store, a, paging); });
}

std::optional<PoolStore::State> Pool::standingsNow(PoolStore &store, const Published &chart, const QDateTime &now)
{
    const QString source = standingsSource(chart.digest, chart.locks, now);
    if (!m_state || m_stateAge.hasExpired(250) || behind(*m_state, source)) {
        m_state = store.state();
        m_stateAge.start();
    }
    if (m_state && behind(*m_state, source)) {
        const auto stale = [&](const PoolStore::State &s) { return behind(s, source); };
        const auto compute = [&](PoolStore &s) {
            return computeStandings(s, chart.results, chart.locks, now, source);
        };
        m_state = store.refresh(stale, compute) == PoolStore::Outcome::Done ? store.state() : std::nullopt;
    }
    if (m_state)
        m_pages.follow(*m_state);
    return m_state;
}

std::optional<ServerReply> Pool::turnTo(PoolStore &store, const Asked &a, const QString &title, Paging &paging)
{
    if (a.pseudo.isEmpty())
        return std::nullopt;
    const std::optional<int> rank = store.rankOf(a.pseudo);
    if (!rank)
        return poolPages::busy(a.json, title, unavailable);
    if (*rank == 0)
        return poolPages::refusal(a.json, Status::NotFound, title,
                                  QStringLiteral("Aucun joueur ne s'appelle %1.").arg(a.pseudo),
                                  QStringLiteral("unknownPlayer"));
    paging.page = (*rank - 1) / paging.per + 1;
    return std::nullopt;
}

ServerReply Pool::rankingPage(PoolStore &store, const Asked &a, Paging paging)
{
    const std::optional<PoolStore::State> state = standingsNow(store, published(), a.now);
    if (!state)
        return poolPages::busy(a.json, rankingTitle, unavailable);
    if (std::optional<ServerReply> refused = turnTo(store, a, rankingTitle, paging))
        return std::move(*refused);
    const QString key = QStringLiteral("ranking %1 %2 %3").arg(a.json).arg(paging.page).arg(paging.per);
    if (const ServerReply *kept = m_pages.find(key))
        return *kept;
    const auto [first, last] = paging.ranks();
    std::optional<std::vector<PoolStore::Standing>> players =
        first > state->total ? std::vector<PoolStore::Standing>() : store.standings(first, last);
    if (!players)
        return poolPages::busy(a.json, rankingTitle, unavailable);
    const ServerReply page =
        poolPages::ranking(a.json, {state->total, paging.page, paging.per, std::move(*players), state->days});
    m_pages.keep(key, page);
    return page;
}
