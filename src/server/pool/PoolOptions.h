#pragma once

#include <memory>

#include <QCommandLineOption>
#include <QString>

#include "server/pool/Pool.h"

class QCommandLineParser;
class UpdateServer;

// The pool's part of vylora-server's command line: --pool, --database,
// --pool-code-file and --pool-closes.
class PoolOptions final
{
public:
    explicit PoolOptions(QCommandLineParser &parser);

    // The pool asked for, its pages added to `server`; nothing when none
    // is asked for or, with `error` said, when it cannot start.
    std::unique_ptr<Pool> start(const QCommandLineParser &parser, const QString &folder, UpdateServer &server,
                                QString &error) const;

private:
    QCommandLineOption m_pool;
    QCommandLineOption m_database;
    QCommandLineOption m_codeFile;
    QCommandLineOption m_closes;
};
