#include "server/pool/PoolLocks.h"

#include "schedule/KickOffTime.h"
#include "schedule/RoundCode.h"
#include "storage/IniDocument.h"

PoolLocks::PoolLocks(const QByteArray &publishedChart, const std::optional<QDateTime> &closes)
    : m_published(true)
{
    const IniDocument chart(publishedChart);
    for (int match = 0; match < groupMatches; ++match) {
        QDateTime &lock = m_kickOffs[std::size_t(match)];
        if (closes) {
            lock = *closes;
            continue;
        }
        const auto group = RoundCode(u'A' + match / 6);
        const QString note =
            chart.value(QStringLiteral("Match"), QString::number(matchKey(group, 2 * (match % 6))))
                .value_or(QString());
        lock = kickOffOf(note).value_or(QDateTime());
        if (lock.isValid() && (!m_opening.isValid() || lock < m_opening))
            m_opening = lock;
    }
    if (closes)
        m_opening = *closes;
}

bool PoolLocks::matchLocked(int match, const QDateTime &now) const
{
    const QDateTime &lock = m_kickOffs[std::size_t(match)];
    return m_published && (!lock.isValid() || now >= lock);
}

bool PoolLocks::bracketLocked(const QDateTime &now) const
{
    return m_published && (!m_opening.isValid() || now >= m_opening);
}

QDateTime PoolLocks::matchLock(int match) const
{
    return m_kickOffs[std::size_t(match)];
}
