#include "server/pool/PoolPageCache.h"

void PoolPageCache::follow(const PoolStore::State &state)
{
    const QString standings =
        QStringLiteral("%1/%2/%3/%4").arg(state.computed).arg(state.computedAt).arg(state.total).arg(state.source);
    if (standings == m_standings)
        return;
    m_standings = standings;
    m_pages.clear();
    m_bytes = 0;
}

const ServerReply *PoolPageCache::find(const QString &key) const
{
    const auto kept = m_pages.constFind(key);
    return kept == m_pages.cend() ? nullptr : &*kept;
}

void PoolPageCache::keep(const QString &key, const ServerReply &reply)
{
    // Beyond the bound (someone walking every page at every size), start
    // again rather than track which page was read last.
    if (m_bytes + reply.body.size() > maxBytes) {
        m_pages.clear();
        m_bytes = 0;
    }
    m_bytes += reply.body.size();
    m_pages.insert(key, reply);
}
