#pragma once

#include <array>
#include <optional>

#include <QByteArray>
#include <QDateTime>

#include "predictions/PredictionScore.h"

// When each part of a prediction stops being taken: a group match at its
// kick-off, as the published chart's match notes give it; the bracket (the
// teams of each round, the champion) at the opening kick-off. A match
// whose note gives no kick-off is locked from the start, since nobody can
// say it has not been played. The publisher's one closing time, when set,
// replaces them all. A part is taken strictly before its lock.
class PoolLocks final
{
public:
    // Nothing published yet: nothing is locked, so nothing is shown.
    PoolLocks() = default;
    // From the bytes of the published chart.
    PoolLocks(const QByteArray &publishedChart, const std::optional<QDateTime> &closes);

    bool matchLocked(int match, const QDateTime &now) const;
    bool bracketLocked(const QDateTime &now) const;
    // When the match locks; invalid when it has no kick-off.
    QDateTime matchLock(int match) const;

private:
    std::array<QDateTime, groupMatches> m_kickOffs;
    QDateTime m_opening;
    bool m_published = false;
};
