#include "server/pool/PoolStore.h"

#include <atomic>

#include <QDateTime>
#include <QElapsedTimer>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>

#include "history/NameKey.h"

namespace {

// Each step takes the schema one version further; a new version appends a
// step and never edits an old one.
const std::vector<std::vector<const char *>> migrations{
    {"CREATE TABLE players (folded TEXT PRIMARY KEY, pseudo TEXT NOT NULL, token_hash TEXT NOT NULL, "
     "joined TEXT NOT NULL)",
     "CREATE TABLE predictions (folded TEXT PRIMARY KEY REFERENCES players(folded), matches TEXT NOT NULL, "
     "bracket TEXT NOT NULL, sent TEXT NOT NULL)"},
    // The standings, kept rather than computed for each reader; a name's
    // key for the ranking's order is folded once, at the join (older
    // players get theirs when the standings are next computed).
    {"ALTER TABLE players ADD COLUMN name_key TEXT",
     "CREATE TABLE standings (rank INTEGER PRIMARY KEY, folded TEXT NOT NULL UNIQUE, pseudo TEXT NOT NULL, "
     "points INTEGER NOT NULL, exact INTEGER NOT NULL, outcomes INTEGER NOT NULL, knockout INTEGER NOT NULL, "
     "maximum INTEGER NOT NULL, can_win INTEGER NOT NULL)",
     "CREATE TABLE pool_state (id INTEGER PRIMARY KEY, changes BIGINT NOT NULL, computed BIGINT NOT NULL, "
     "source TEXT NOT NULL, days TEXT NOT NULL, total INTEGER NOT NULL, computed_at BIGINT NOT NULL, "
     "took_ms INTEGER NOT NULL)",
     "INSERT INTO pool_state VALUES (1, 1, 0, '', '[]', 0, 0, 0)"},
};

// Rows per INSERT when the standings are written: a round trip per
// hundred thousand players would be most of a PostgreSQL's refresh.
constexpr int rowsPerInsert = 500;
constexpr int standingColumns = 9;

QString matchesText(const PredictionFigures &f)
{
    QStringList parts;
    for (const MatchFigures &m : f.matches)
        parts << (m.played ? QString::number(m.home, 'g', 17) + u':' + QString::number(m.away, 'g', 17)
                           : QString());
    return parts.join(u',');
}

QString bracketText(const PredictionFigures &f)
{
    QStringList parts;
    for (TeamSet teams : f.rounds)
        parts << QString::number(teams);
    parts << QString::number(f.champion);
    return parts.join(u',');
}

// Goals are whole numbers nearly always: those are read without a detour
// through the locale-free double parser, which a ranking of a thousand
// players would otherwise call a hundred thousand times.
double numberOf(QStringView text)
{
    if (text.isEmpty() || text.size() > 9)
        return text.toDouble();
    int value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return text.toDouble();
        value = 10 * value + (c.unicode() - u'0');
    }
    return value;
}

PredictionFigures figuresOf(QStringView matches, QStringView bracket)
{
    PredictionFigures f;
    std::size_t i = 0;
    for (qsizetype start = 0; start <= matches.size() && i < f.matches.size(); ++i) {
        qsizetype end = matches.indexOf(u',', start);
        if (end < 0)
            end = matches.size();
        const QStringView m = matches.mid(start, end - start);
        if (const qsizetype colon = m.indexOf(u':'); colon > 0)
            f.matches[i] = {true, numberOf(m.left(colon)), numberOf(m.mid(colon + 1))};
        start = end + 1;
    }
    // The rounds, then the champion, without a list of pieces for each of
    // a hundred thousand players.
    qsizetype start = 0;
    for (std::size_t part = 0; part <= f.rounds.size() && start <= bracket.size(); ++part) {
        qsizetype end = bracket.indexOf(u',', start);
        if (end < 0)
            end = bracket.size();
        const QStringView piece = bracket.mid(start, end - start);
        if (part < f.rounds.size())
            f.rounds[part] = TeamSet(piece.toUInt());
        else
            f.champion = piece.toInt();
        start = end + 1;
    }
    return f;
}

QString stamp(const QDateTime &now)
{
    return now.toUTC().toString(Qt::ISODate);
}

} // namespace

PoolStore::PoolStore(const QString &database, const QString &sqliteFile)
{
    static std::atomic<int> opened{0};
    m_connection = QStringLiteral("pool-%1").arg(opened++);
    m_postgres = !database.isEmpty();
    QSqlDatabase db =
        QSqlDatabase::addDatabase(m_postgres ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"), m_connection);
    if (m_postgres) {
        const QUrl url(database);
        if (!url.isValid() || (url.scheme() != u"postgresql" && url.scheme() != u"postgres") ||
            url.path().size() < 2 || url.userName().isEmpty() || !url.password().isEmpty()) {
            m_error = QStringLiteral("--database wants postgresql://USER@HOST/DB, the password kept in "
                                     "~/.pgpass or PGPASSWORD");
            return;
        }
        db.setUserName(url.userName());
        db.setHostName(url.host());
        db.setDatabaseName(url.path().mid(1));
        if (url.port() > 0)
            db.setPort(url.port());
        // A send waits for another's lock a few seconds, never for ever,
        // and no statement runs longer than a reader would wait for it.
        db.setConnectOptions(
            QStringLiteral("connect_timeout=10;options='-c lock_timeout=5000 -c statement_timeout=8000'"));
    } else {
        // Token hashes are nobody else's business: the file and the logs
        // SQLite keeps beside it stay the owner's, also when a hand or a
        // restore opened them to others meanwhile.
        QFile file(sqliteFile);
        if (file.open(QIODevice::ReadWrite))
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        for (const char *log : {"-wal", "-shm", "-journal"})
            if (QFile::exists(sqliteFile + QLatin1String(log)))
                QFile::setPermissions(sqliteFile + QLatin1String(log), QFile::ReadOwner | QFile::WriteOwner);
        db.setDatabaseName(sqliteFile);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    }
    if (!db.open()) {
        m_error = db.lastError().text();
        return;
    }
    if (!m_postgres) {
        // A commit is in the log before the answer goes out, so an
        // acknowledged send survives a kill of the server; with the log,
        // readers never wait on a writer, and NORMAL syncs the disk at
        // checkpoints rather than at every send (only a power cut can then
        // lose the last sends, never half of one).
        QSqlQuery pragma(db);
        pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        pragma.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
        pragma.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    }
    if (!migrate() && m_error.isEmpty())
        m_error = QStringLiteral("the pool's schema could not be brought up to date");
}

PoolStore::~PoolStore()
{
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

// A PostgreSQL restarted, or a connection cut, under a running server
// leaves the connection dead, and every request would fail until the
// server's own restart: on PostgreSQL, a step that fails before it has
// written anything is run once more on a new connection.
bool PoolStore::reopen()
{
    if (!m_postgres || m_inTransaction)
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    db.close();
    return db.open();
}

bool PoolStore::begin()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    m_inTransaction = db.transaction() || (reopen() && db.transaction());
    return m_inTransaction;
}

PoolStore::Outcome PoolStore::finish(bool ok)
{
    m_inTransaction = false;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (ok && db.commit())
        return Outcome::Done;
    db.rollback();
    return Outcome::Failed;
}

QSqlQuery PoolStore::run(const QString &sql, const QVariantList &values)
{
    for (bool again = false;; again = true) {
        QSqlQuery q(QSqlDatabase::database(m_connection, false));
        q.setForwardOnly(true);
        q.prepare(sql);
        for (const QVariant &value : values)
            q.addBindValue(value);
        if (q.exec() || again || !reopen())
            return q;
    }
}

bool PoolStore::migrate()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery q(db);
    if (!begin())
        return false;
    // Two instances starting together on one PostgreSQL: the second waits
    // here for the first's migration and then finds the schema current. The
    // table is made under the lock too, since two sessions creating it "if
    // not exists" at once can both try, and one fails.
    if (m_postgres && !q.exec(QStringLiteral("SELECT pg_advisory_xact_lock(1448692812)")))
        return finish(false) == Outcome::Done;
    if (!q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS pool_schema (version INTEGER NOT NULL)")))
        return finish(false) == Outcome::Done;
    int version = 0;
    if (!q.exec(QStringLiteral("SELECT version FROM pool_schema")))
        return finish(false) == Outcome::Done;
    const bool hasRow = q.next();
    if (hasRow)
        version = q.value(0).toInt();
    if (version > schemaVersion) {
        m_error = QStringLiteral("the pool's database is of a newer version (%1) than this server (%2)")
                      .arg(version)
                      .arg(schemaVersion);
        finish(false);
        return false;
    }
    for (; version < schemaVersion; ++version)
        for (const char *statement : migrations[std::size_t(version)])
            if (!q.exec(QString::fromLatin1(statement)))
                return finish(false) == Outcome::Done;
    q.prepare(hasRow ? QStringLiteral("UPDATE pool_schema SET version = ?")
                     : QStringLiteral("INSERT INTO pool_schema (version) VALUES (?)"));
    q.addBindValue(version);
    return finish(q.exec()) == Outcome::Done;
}

PoolStore::Outcome PoolStore::join(const QString &pseudo, const QByteArray &tokenHash, const QDateTime &now)
{
    if (!begin())
        return Outcome::Failed;
    const QSqlQuery q = run(
        QStringLiteral("INSERT INTO players (folded, pseudo, token_hash, joined, name_key) VALUES (?, ?, ?, ?, ?) "
                       "ON CONFLICT (folded) DO NOTHING"),
        {foldedName(pseudo), pseudo, QString::fromLatin1(tokenHash.toHex()), stamp(now), alphabeticalKey(pseudo)});
    if (!q.isActive())
        return finish(false);
    const bool added = q.numRowsAffected() == 1;
    // A new player is a change of the standings.
    if (added && !run(QStringLiteral("UPDATE pool_state SET changes = changes + 1"), {}).isActive())
        return finish(false);
    const Outcome outcome = finish(true);
    return outcome == Outcome::Done && !added ? Outcome::Taken : outcome;
}

std::optional<QByteArray> PoolStore::tokenHash(const QString &pseudo)
{
    QSqlQuery q = run(QStringLiteral("SELECT token_hash FROM players WHERE folded = ?"), {foldedName(pseudo)});
    if (!q.isActive())
        return std::nullopt;
    return q.next() ? QByteArray::fromHex(q.value(0).toString().toLatin1()) : QByteArray();
}

std::optional<std::optional<PredictionFigures>> PoolStore::storedFigures(const QString &pseudo)
{
    QSqlQuery q =
        run(m_postgres ? QStringLiteral("SELECT matches, bracket FROM predictions WHERE folded = ? FOR UPDATE")
                       : QStringLiteral("SELECT matches, bracket FROM predictions WHERE folded = ?"),
            {foldedName(pseudo)});
    if (!q.isActive())
        return std::nullopt;
    if (!q.next())
        return std::optional<PredictionFigures>();
    return std::optional<PredictionFigures>(figuresOf(q.value(0).toString(), q.value(1).toString()));
}

bool PoolStore::storeFigures(const QString &pseudo, const PredictionFigures &figures, const QDateTime &now)
{
    const QSqlQuery q =
        run(QStringLiteral("INSERT INTO predictions (folded, matches, bracket, sent) VALUES (?, ?, ?, ?) "
                           "ON CONFLICT (folded) DO UPDATE SET matches = excluded.matches, "
                           "bracket = excluded.bracket, sent = excluded.sent"),
            {foldedName(pseudo), matchesText(figures), bracketText(figures), stamp(now)});
    return q.isActive() && q.numRowsAffected() == 1;
}

std::optional<PoolStore::Player> PoolStore::player(const QString &pseudo)
{
    QSqlQuery q = run(QStringLiteral("SELECT p.pseudo, r.matches, r.bracket FROM players p "
                                     "LEFT JOIN predictions r ON r.folded = p.folded WHERE p.folded = ?"),
                      {foldedName(pseudo)});
    if (!q.next())
        return std::nullopt;
    return Player{q.value(0).toString(), figuresOf(q.value(1).toString(), q.value(2).toString()),
                  !q.value(1).isNull()};
}

bool PoolStore::forEachPlayer(const Visit &visit)
{
    QSqlQuery q = run(QStringLiteral("SELECT p.pseudo, r.matches, r.bracket, p.folded, p.name_key FROM players p "
                                     "LEFT JOIN predictions r ON r.folded = p.folded"),
                      {});
    if (!q.isActive())
        return false;
    while (q.next()) {
        const QString pseudo = q.value(0).toString();
        const QString key = q.value(4).isNull() ? alphabeticalKey(pseudo) : q.value(4).toString();
        visit({pseudo, figuresOf(q.value(1).toString(), q.value(2).toString()), !q.value(1).isNull()},
              q.value(3).toString(), key);
    }
    return true;
}

std::optional<PoolStore::State> PoolStore::state()
{
    QSqlQuery q = run(QStringLiteral("SELECT changes, computed, source, days, total, computed_at, took_ms "
                                     "FROM pool_state WHERE id = 1"),
                      {});
    if (!q.isActive() || !q.next())
        return std::nullopt;
    return State{
        q.value(0).toLongLong(), q.value(1).toLongLong(), q.value(2).toString(), q.value(3).toString().toUtf8(),
        q.value(4).toInt(),      q.value(5).toLongLong(), q.value(6).toInt()};
}

PoolStore::Outcome PoolStore::refresh(const std::function<bool(const State &)> &stale,
                                      const std::function<std::optional<Computed>(PoolStore &)> &compute)
{
    if (!begin())
        return Outcome::Failed;
    // The lock first: of two instances refreshing at once, the second
    // finds the first's standings when it gets the row.
    if (!run(m_postgres ? QStringLiteral("SELECT id FROM pool_state WHERE id = 1 FOR UPDATE")
                        : QStringLiteral("UPDATE pool_state SET took_ms = took_ms WHERE id = 1"),
             {})
             .isActive())
        return finish(false);
    const std::optional<State> current = state();
    if (!current)
        return finish(false);
    if (!stale(*current))
        return finish(true);
    QElapsedTimer took;
    took.start();
    const std::optional<Computed> computed = compute(*this);
    return finish(computed && writeStandings(*computed, current->changes, int(took.elapsed())));
}

bool PoolStore::writeStandings(const Computed &computed, qint64 changes, int tookMs)
{
    if (!run(QStringLiteral("DELETE FROM standings"), {}).isActive())
        return false;
    const QString row = QStringLiteral("(?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const QString insert = QStringLiteral("INSERT INTO standings (rank, folded, pseudo, points, exact, outcomes, "
                                          "knockout, maximum, can_win) VALUES ");
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery full(db);
    full.prepare(insert + QStringList(rowsPerInsert, row).join(u','));
    const std::vector<Standing> &rows = computed.rows;
    for (std::size_t start = 0; start < rows.size(); start += rowsPerInsert) {
        const std::size_t count = std::min<std::size_t>(rowsPerInsert, rows.size() - start);
        QSqlQuery last(db);
        QSqlQuery &q = count == rowsPerInsert ? full : last;
        if (&q == &last)
            last.prepare(insert + QStringList(qsizetype(count), row).join(u','));
        int at = 0;
        for (std::size_t i = start; i < start + count; ++i) {
            const Standing &s = rows[i];
            for (const QVariant &value :
                 {QVariant(s.rank), QVariant(s.folded), QVariant(s.pseudo), QVariant(s.points), QVariant(s.exact),
                  QVariant(s.outcomes), QVariant(s.knockout), QVariant(s.maximum), QVariant(int(s.canWin))})
                q.bindValue(at++, value);
        }
        if (!q.exec())
            return false;
    }
    return run(QStringLiteral("UPDATE pool_state SET computed = ?, source = ?, days = ?, total = ?, "
                              "computed_at = ?, took_ms = ? WHERE id = 1"),
               {changes, computed.source, QString::fromUtf8(computed.days), qint64(rows.size()),
                QDateTime::currentMSecsSinceEpoch(), tookMs})
        .isActive();
}

std::optional<std::vector<PoolStore::Standing>> PoolStore::standings(int first, int last)
{
    QSqlQuery q = run(QStringLiteral("SELECT rank, folded, pseudo, points, exact, outcomes, knockout, maximum, "
                                     "can_win FROM standings WHERE rank BETWEEN ? AND ? ORDER BY rank"),
                      {first, last});
    if (!q.isActive())
        return std::nullopt;
    std::vector<Standing> rows;
    while (q.next())
        rows.push_back({q.value(0).toInt(), q.value(1).toString(), q.value(2).toString(), q.value(3).toInt(),
                        q.value(4).toInt(), q.value(5).toInt(), q.value(6).toInt(), q.value(7).toInt(),
                        q.value(8).toInt() != 0});
    return rows;
}

std::optional<std::vector<PoolStore::Predicted>> PoolStore::matchPredictions(int match, int first, int last)
{
    QSqlQuery q = run(QStringLiteral("SELECT s.rank, s.pseudo, r.matches FROM standings s LEFT JOIN predictions r "
                                     "ON r.folded = s.folded WHERE s.rank BETWEEN ? AND ? ORDER BY s.rank"),
                      {first, last});
    if (!q.isActive())
        return std::nullopt;
    std::vector<Predicted> rows;
    while (q.next())
        rows.push_back({q.value(0).toInt(), q.value(1).toString(),
                        figuresOf(q.value(2).toString(), {}).matches[std::size_t(match)]});
    return rows;
}

std::optional<int> PoolStore::rankOf(const QString &pseudo)
{
    QSqlQuery q = run(QStringLiteral("SELECT rank FROM standings WHERE folded = ?"), {foldedName(pseudo)});
    if (!q.isActive())
        return std::nullopt;
    return q.next() ? q.value(0).toInt() : 0;
}
