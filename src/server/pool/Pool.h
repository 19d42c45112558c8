#pragma once

#include <chrono>
#include <functional>
#include <limits>
#include <mutex>
#include <optional>

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QString>

#include "predictions/PredictionFigures.h"
#include "server/HeadRules.h"
#include "server/PasswordThrottle.h"
#include "server/ServerReply.h"
#include "server/pool/PoolLocks.h"
#include "server/pool/PoolPageCache.h"
#include "server/pool/PoolStore.h"
#include "server/pool/PoolWorker.h"

class QHostAddress;
class QHttpServerRequest;
class QUrlQuery;
class UpdateServer;

// The pool on the publisher's server: friends join under a pseudo, send
// their whole 2010 chart, and are ranked against the published results.
// A request flows: what the address and the head decide (the waits after
// wrong tokens and after many joins, each on a brake of its own and per
// client behind the proxy too, a token this instance has seen, the
// pseudo's form) is decided on the event loop; the rest goes as one job
// to the pool's worker, which owns the database, and the answer comes
// back when the job ends or, failing that, a 503 when the caller has
// waited long enough. A sent chart is checked as a published one is,
// turned into figures, merged with the stored prediction by the locks
// (what is locked stays as stored) and stored in one transaction. The
// ranking, and each match's predictions in the ranking's order, are read a
// page at a time from standings kept in the database, and a page written
// is kept until the standings change; a reader that finds them behind the
// published results, the locks or the joins computes them again first.
// The published chart, read again whenever its file changes, gives both
// the results and the kick-offs; the clock is the caller's, so a test
// plays any day.
class Pool final
{
public:
    using Clock = std::function<QDateTime()>;
    struct Settings
    {
        QString database;                // empty: SQLite `pool.sqlite` in the site folder
        QByteArray code;                 // empty: anyone may join
        std::optional<QDateTime> closes; // one lock for everything
        int queue = 256;                 // jobs waiting for the database, past which 503
        std::chrono::milliseconds answerWithin{8'000};
    };
    Pool(const QString &folder, Settings settings, Clock clock);
    ~Pool();

    // Empty when the pool's store is open.
    const QString &error() const { return m_worker.error(); }
    void addPages(UpdateServer &server);

private:
    enum class Access { Granted, Refused, Throttled, Failed };
    struct Published
    {
        QDateTime modified;
        qint64 size = -1;
        bool exists = false;
        bool present = false; // and a whole 2010 chart
        QByteArray digest;
        PredictionFigures results;
        PoolLocks locks;
        QStringList teamNames;
    };
    // What a job needs of its request, taken on the event loop.
    struct Asked
    {
        bool json = false;
        QByteArray client;
        QString pseudo;
        QByteArray token;
        QDateTime now;
    };
    using Job = std::function<ServerReply(PoolStore &)>;
    // The page asked for; `per` at most poolPages::maxPerPage.
    struct Paging
    {
        int page = 1;
        int per = 100;
        std::pair<int, int> ranks() const
        {
            const qint64 first = qint64(page - 1) * per + 1;
            return {int(qMin<qint64>(first, std::numeric_limits<int>::max() - per)),
                    int(qMin<qint64>(first + per - 1, std::numeric_limits<int>::max()))};
        }
    };

    // Joins one client may make before it waits: a family or an office
    // behind one address joins together.
    static constexpr int freeJoins = 20;

    Asked asked(const QHttpServerRequest &request) const;
    ServerReply later(const Asked &asked, const QString &title, const std::function<void(ServerReply)> &answer,
                      Job job);
    ServerReply join(const QHttpServerRequest &request, const std::function<void(ServerReply)> &answer);
    ServerReply send(const QHttpServerRequest &request, const std::function<void(ServerReply)> &answer);
    ServerReply ownPrediction(const QHttpServerRequest &request, const std::function<void(ServerReply)> &answer);
    ServerReply match(const QHttpServerRequest &request, const std::function<void(ServerReply)> &answer,
                      int match);
    ServerReply ranking(const QHttpServerRequest &request, const std::function<void(ServerReply)> &answer);
    ServerReply sentChart(PoolStore &store, const Asked &asked, const QByteArray &bytes);
    static Paging paging(const QHttpServerRequest &request);
    ServerReply rankingPage(PoolStore &store, const Asked &asked, Paging paging);
    // On the worker: the standings as of `now`, computed again first when
    // they are behind.
    std::optional<PoolStore::State> standingsNow(PoolStore &store, const Published &chart, const QDateTime &now);
    // Turns `paging` to the page that holds the pseudo asked for, if any; a
    // refusal when nobody has it or the database fails.
    std::optional<ServerReply> turnTo(PoolStore &store, const Asked &asked, const QString &title, Paging &paging);
    HeadVerdict headCheck(const QUrlQuery &query, const QHostAddress &address);
    // On the worker: the token against the one kept for the pseudo.
    Access access(PoolStore &store, const Asked &asked);
    // `wait`: the seconds a throttled client still waits.
    static HeadVerdict headRefusal(Access access, int wait);
    ServerReply accessRefusal(const Asked &asked, Access access, const QString &title);
    const Published &published();

    QString m_folder;
    Settings m_settings;
    Clock m_clock;
    const UpdateServer *m_server = nullptr;
    // The throttles and the token hashes seen are shared by the event loop
    // (on a head) and the worker.
    std::mutex m_shared;
    PasswordThrottle m_throttle; // wrong tokens
    PasswordThrottle m_joins{freeJoins};
    QHash<QString, QByteArray> m_tokens; // by folded pseudo
    // The worker's: the published chart, the standings' state as last read
    // (read again after a join here, or when it is a moment old, so that a
    // crowd of readers costs one query each and not two), and the pages
    // written from those standings.
    Published m_published;
    std::optional<PoolStore::State> m_state;
    QElapsedTimer m_stateAge;
    PoolPageCache m_pages;
    // Last, so that its thread ends before what its jobs use.
    PoolWorker m_worker;
};
