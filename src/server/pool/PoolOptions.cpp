#include "server/pool/PoolOptions.h"

#include <QCommandLineParser>

#include "server/PublisherPassword.h"
#include "server/UpdateServer.h"

PoolOptions::PoolOptions(QCommandLineParser &parser)
    : m_pool(QStringLiteral("pool"), QStringLiteral("Run the predictions pool of the published chart."))
    , m_database(QStringLiteral("database"),
                 QStringLiteral("The pool's PostgreSQL database, postgresql://USER@HOST/DB, the password in "
                                "~/.pgpass or PGPASSWORD (default: pool.sqlite in the folder)."),
                 QStringLiteral("url"))
    , m_codeFile(QStringLiteral("pool-code-file"),
                 QStringLiteral("One-line file with the code a friend needs to join the pool."),
                 QStringLiteral("file"))
    , m_closes(QStringLiteral("pool-closes"),
               QStringLiteral("One closing time for every prediction, as 2026-12-31T20:00:00Z, instead of each "
                              "match's kick-off."),
               QStringLiteral("time"))
{
    parser.addOptions({m_pool, m_database, m_codeFile, m_closes});
}

std::unique_ptr<Pool> PoolOptions::start(const QCommandLineParser &parser, const QString &folder,
                                         UpdateServer &server, QString &error) const
{
    if (!parser.isSet(m_pool)) {
        if (parser.isSet(m_database) || parser.isSet(m_codeFile) || parser.isSet(m_closes))
            error = QStringLiteral("--database, --pool-code-file and --pool-closes need --pool.");
        return nullptr;
    }
    Pool::Settings settings;
    settings.database = parser.value(m_database);
    if (parser.isSet(m_codeFile)) {
        // Kept as the password is: whoever reads the code may join, and
        // whoever changes it keeps the friends out.
        const PrivateLine code = readPrivateLine(parser.value(m_codeFile), QStringLiteral("the pool's code file"));
        settings.code = code.line.trimmed();
        if (settings.code.isEmpty()) {
            error = code.refusal.isEmpty() ? QStringLiteral("%1: no code to read.").arg(parser.value(m_codeFile))
                                           : code.refusal;
            return nullptr;
        }
    }
    if (parser.isSet(m_closes)) {
        const QDateTime closes = QDateTime::fromString(parser.value(m_closes), Qt::ISODate);
        if (!closes.isValid()) {
            error = QStringLiteral("--pool-closes: %1 is no date and time such as 2026-12-31T20:00:00Z.")
                        .arg(parser.value(m_closes));
            return nullptr;
        }
        settings.closes = closes;
    }
    auto pool =
        std::make_unique<Pool>(folder, std::move(settings), [] { return QDateTime::currentDateTimeUtc(); });
    if (!pool->error().isEmpty()) {
        error = QStringLiteral("the pool's database: ") + pool->error();
        return nullptr;
    }
    pool->addPages(server);
    return pool;
}
