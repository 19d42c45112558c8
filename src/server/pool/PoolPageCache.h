#pragma once

#include <QHash>
#include <QString>

#include "server/ServerReply.h"
#include "server/pool/PoolStore.h"

// The pages of the ranking and of the matches as the worker last wrote
// them, for the standings they were read from. A crowd reading random
// pages asks for the same thousand pages again and again between two
// changes; kept, a page costs neither a query nor its writing, and the
// worker keeps up with a hundred readers at once. Any new computation of
// the standings (here or on another instance, seen when the state is read
// again) forgets them all.
class PoolPageCache final
{
public:
    // Forgets every page unless `state` is the one they were read with.
    void follow(const PoolStore::State &state);
    const ServerReply *find(const QString &key) const;
    void keep(const QString &key, const ServerReply &reply);

private:
    // Each page of a hundred players is some 20 kB: a pool of a hundred
    // thousand keeps every page of one size in a fraction of this.
    static constexpr qint64 maxBytes = 48 * 1024 * 1024;

    QString m_standings;
    QHash<QString, ServerReply> m_pages;
    qint64 m_bytes = 0;
};
