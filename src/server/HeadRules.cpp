#include "server/HeadRules.h"

#include <QUrl>

const HeadRoute *HeadRules::find(QByteArrayView rawPath) const
{
    const QByteArray path = QUrl::fromEncoded(rawPath.toByteArray()).path().toUtf8();
    for (const auto &[pattern, route] : m_routes)
        if (pattern.endsWith('/') ? path.startsWith(pattern) : path == pattern)
            return &route;
    return nullptr;
}

bool BodyBudget::take(qint64 bytes, bool proven)
{
    if (m_inFlight + bytes > m_total || (!proven && m_unprovenInFlight + bytes > m_unproven))
        return false;
    m_inFlight += bytes;
    if (!proven)
        m_unprovenInFlight += bytes;
    return true;
}

void BodyBudget::give(qint64 bytes, bool proven)
{
    m_inFlight -= bytes;
    if (!proven)
        m_unprovenInFlight -= bytes;
}
