#pragma once

#include <functional>
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
// and nothing half. A player is a pseudo, found by its folded name
// (history/NameKey), and the hash of its token; its prediction is one
// row: the 48 group scores and the bracket as figures.
// The standings are rows too, one per player by rank, written whole by one
// transaction per change; `pool_state` says which change they reflect, so
// that every instance on one PostgreSQL reads the same ranking a page at a
// time and only one of them computes it again.
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
    struct Standing
    {
        int rank = 0;
        QString folded;
        QString pseudo;
        int points = 0;
        int exact = 0;
        int outcomes = 0;
        int knockout = 0;
        int maximum = 0;
        bool canWin = false;
    };
    // What the standings were computed from.
    struct State
    {
        qint64 changes = 0;  // joins so far
        qint64 computed = 0; // the joins the standings hold
        QString source;      // the published results and what was locked
        QByteArray days;     // the match days' winners, as JSON
        int total = 0;
        qint64 computedAt = 0; // ms since the epoch
        int tookMs = 0;
    };
    struct Computed
    {
        std::vector<Standing> rows; // by rank, from 1
        QByteArray days;
        QString source;
    };
    using Visit = std::function<void(const Player &player, const QString &folded, const QString &nameKey)>;

    // `database`: empty for SQLite at `sqliteFile`, or
    // "postgresql://USER@HOST[:PORT]/DB"; the password comes from libpq's
    // own places (PGPASSWORD, PGPASSFILE, ~/.pgpass).
    PoolStore(const QString &database, const QString &sqliteFile);
    ~PoolStore();
    PoolStore(const PoolStore &) = delete;
    PoolStore &operator=(const PoolStore &) = delete;

    // Empty when the store is open and its schema current.
    const QString &error() const { return m_error; }
    static constexpr int schemaVersion = 2;

    Outcome join(const QString &pseudo, const QByteArray &tokenHash, const QDateTime &now);
    // The token hash kept for the pseudo, empty when nobody has it.
    std::optional<QByteArray> tokenHash(const QString &pseudo);
    // Reads the player's stored prediction, lets `merge` decide the new one
    // from it, and stores that, all in one transaction.
    template <typename Merge> Outcome send(const QString &pseudo, const QDateTime &now, Merge merge);
    std::optional<Player> player(const QString &pseudo);
    // Every player, one at a time, in no particular order (the standings
    // sort them); false when it fails.
    bool forEachPlayer(const Visit &visit);

    std::optional<State> state();
    // In one transaction: takes the state's lock (a second instance waits
    // here, then finds the work done) and, when `stale` still says so,
    // replaces the standings with what `compute` makes of the players.
    Outcome refresh(const std::function<bool(const State &)> &stale,
                    const std::function<std::optional<Computed>(PoolStore &)> &compute);
    // The ranks `first` .. `last`; the rank of a pseudo, 0 when unranked.
    std::optional<std::vector<Standing>> standings(int first, int last);
    struct Predicted
    {
        int rank = 0;
        QString pseudo;
        MatchFigures score; // not played when the player gave none
    };
    // What the players ranked `first` .. `last` predicted for one group match.
    std::optional<std::vector<Predicted>> matchPredictions(int match, int first, int last);
    std::optional<int> rankOf(const QString &pseudo);

private:
    bool migrate();
    std::optional<std::optional<PredictionFigures>> storedFigures(const QString &pseudo);
    bool storeFigures(const QString &pseudo, const PredictionFigures &figures, const QDateTime &now);
    bool writeStandings(const Computed &computed, qint64 changes, int tookMs);
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
