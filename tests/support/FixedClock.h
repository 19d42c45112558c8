#pragma once

#include <utility>

#include <QDateTime>

#include "app/Clock.h"

// A clock that stands still, so that a test can start the program on any day.
class FixedClock final : public Clock
{
public:
    explicit FixedClock(QDateTime now) : m_now(std::move(now)) {}

    QDateTime now() const override { return m_now; }
    void set(const QDateTime &now) { m_now = now; }

private:
    QDateTime m_now;
};
