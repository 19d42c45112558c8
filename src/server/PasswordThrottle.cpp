#include "server/PasswordThrottle.h"

#include <algorithm>

int PasswordThrottle::secondsToWait(const QByteArray &client, Clock::time_point now) const
{
    const auto record = m_clients.constFind(client);
    if (record == m_clients.cend() || record->until <= now)
        return 0;
    return int(std::chrono::ceil<std::chrono::seconds>(record->until - now).count());
}

void PasswordThrottle::failed(const QByteArray &client, Clock::time_point now)
{
    if (!m_clients.contains(client) && m_clients.size() >= maxClients)
        forgetOldest(now);
    Record &record = m_clients[client];
    if (now - record.last > memory)
        record.failures = 0;
    record.last = now;
    if (++record.failures < m_freeAttempts)
        return;
    const int doublings = std::min(record.failures - m_freeAttempts, 10);
    record.until = now + std::min<std::chrono::seconds>(std::chrono::seconds(2 << doublings), longestWait);
}

void PasswordThrottle::forgetOldest(Clock::time_point now)
{
    for (auto it = m_clients.begin(); it != m_clients.end();)
        it = now - it->last > memory ? m_clients.erase(it) : std::next(it);
    if (m_clients.size() < maxClients)
        return;
    const auto oldest = std::min_element(m_clients.cbegin(), m_clients.cend(),
                                         [](const Record &a, const Record &b) { return a.last < b.last; });
    m_clients.erase(oldest);
}
