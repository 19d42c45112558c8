#pragma once

#include <optional>
#include <vector>

#include <QByteArray>
#include <QDateTime>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include "predictions/PredictionFigures.h"

// The pool's database through Qt SQL: a SQLite file, or PostgreSQL so that
// several server instances share one pool. Opening creates or migrates the
// schema (table `pool_schema` holds its version); every write is one
// transaction, so a kill or a failed write leaves what was acknowledged
// and nothing half. A player is a pseudo and the hash of its token; its
// prediction is one row: the 48 group scores and the bracket as figures.
class PoolStore final
{
public:
    struct Player
    {
        QString pseudo;
        PredictionFigures figures;
        bool sent = false;
    };
    enum class Outcome { Done, Taken, Failed };

    // `database`: empty for SQLite at `sqliteFile`, or
    // "postgresql://USER@HOST[:PORT]/DB"; the password comes from libpq's
    // own places (PGPASSWORD, PGPASSFILE, ~/.pgpass).
    PoolStore(const QString &database, const QString &sqliteFile);
    ~PoolStore();
    PoolStore(const PoolStore &) = delete;
    PoolStore &operator=(const PoolStore &) = delete;

    // Empty when the store is open and its schema current.
    const QString &error() const { return m_error; }
    static constexpr int schemaVersion = 1;

    Outcome join(const QString &pseudo, const QByteArray &tokenHash, const QDateTime &now);
    // The token hash kept for the pseudo, empty when nobody has it.
    std::optional<QByteArray> tokenHash(const QString &pseudo);
    // Reads the player's stored prediction, lets `merge` decide the new one
    // from it, and stores that, all in one transaction.
    template <typename Merge> Outcome send(const QString &pseudo, const QDateTime &now, Merge merge);
    std::optional<Player> player(const QString &pseudo);
    // Every player, in the order they joined; nothing when it fails.
    std::optional<std::vector<Player>> players();

private:
    bool migrate();
    std::optional<std::optional<PredictionFigures>> storedFigures(const QString &pseudo);
    bool storeFigures(const QString &pseudo, const PredictionFigures &figures, const QDateTime &now);
    bool reopen();
    bool begin();
    Outcome finish(bool ok);
    // The statement run with `values` bound; active when it succeeded.
    QSqlQuery run(const QString &sql, const QVariantList &values);

    QString m_connection;
    QString m_error;
    bool m_postgres = false;
    bool m_inTransaction = false;
};

template <typename Merge>
PoolStore::Outcome PoolStore::send(const QString &pseudo, const QDateTime &now, Merge merge)
{
    if (!begin())
        return Outcome::Failed;
    const auto stored = storedFigures(pseudo);
    if (!stored)
        return finish(false);
    return finish(storeFigures(pseudo, merge(*stored), now));
}
