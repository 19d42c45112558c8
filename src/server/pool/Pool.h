#pragma once

#include <functional>
#include <optional>

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "predictions/PredictionFigures.h"
#include "server/HeadRules.h"
#include "server/PasswordThrottle.h"
#include "server/ServerReply.h"
#include "server/pool/PoolLocks.h"
#include "server/pool/PoolStore.h"

class QHostAddress;
class QHttpServerRequest;
class QUrlQuery;
class UpdateServer;

// The pool on the publisher's server: friends join under a pseudo, send
// their whole 2010 chart, and are ranked against the published results.
// A request flows: the pseudo and token of its address are checked (on the
// head alone, before any body is read), wrong tokens slowing down their
// client as wrong passwords do, apart from joins, which have a brake of
// their own; a sent chart is checked as a
// published one is, turned into figures, merged with the stored prediction
// by the locks (what is locked stays as stored) and stored in one
// transaction. Reads are sealed by the same locks. The published chart,
// read again whenever its file changes, gives both the results and the
// kick-offs; the clock is the caller's, so a test plays any day.
class Pool final
{
public:
    using Clock = std::function<QDateTime()>;
    struct Settings
    {
        QString database;                // empty: SQLite `pool.sqlite` in the site folder
        QByteArray code;                 // empty: anyone may join
        std::optional<QDateTime> closes; // one lock for everything
    };
    Pool(const QString &folder, Settings settings, Clock clock);

    // Empty when the pool's store is open.
    const QString &error() const { return m_store.error(); }
    void addPages(UpdateServer &server);

    enum class Access { Granted, Refused, Throttled, Failed };
    // Decided on the request's address and query alone, so also on the head
    // of a send, before its chart is read.
    Access access(const QHostAddress &client, const QUrlQuery &query);
    Access access(const QHttpServerRequest &request);
    // Joins one client may make before it waits: a family or an office
    // behind one address joins together.
    static constexpr int freeJoins = 20;

private:
    struct Published
    {
        QDateTime modified;
        qint64 size = -1;
        bool exists = false;
        bool present = false; // and a whole 2010 chart
        PredictionFigures results;
        PoolLocks locks;
        QStringList teamNames;
    };

    ServerReply join(const QHttpServerRequest &request);
    ServerReply send(const QHttpServerRequest &request);
    ServerReply ownPrediction(const QHttpServerRequest &request);
    ServerReply match(const QHttpServerRequest &request, int match);
    ServerReply ranking(const QHttpServerRequest &request);
    ServerReply accessRefusal(const QHttpServerRequest &request, Access access, const QString &title) const;
    HeadVerdict headRefusal(Access access, const QHostAddress &client) const;
    const Published &published();

    QString m_folder;
    Settings m_settings;
    Clock m_clock;
    PoolStore m_store;
    const UpdateServer *m_server = nullptr;
    PasswordThrottle m_tokens;
    PasswordThrottle m_joins{freeJoins};
    Published m_published;
};
