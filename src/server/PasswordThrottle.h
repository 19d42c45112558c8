#pragma once

#include <chrono>

#include <QByteArray>
#include <QHash>

// Wrong publishing passwords, counted per client. A few are free; after
// that a client waits before its next try, twice as long after each
// further wrong one, while every other client goes on as before. A right
// password, or an hour without a wrong one, forgets the count. The pool
// counts its joins and its wrong tokens on two of these.
class PasswordThrottle final
{
public:
    using Clock = std::chrono::steady_clock;

    explicit PasswordThrottle(int freeAttempts = 5)
        : m_freeAttempts(freeAttempts)
    {}

    static constexpr std::chrono::seconds longestWait{15 * 60};
    static constexpr std::chrono::seconds memory{60 * 60};
    // Past this many clients the oldest is forgotten first.
    static constexpr qsizetype maxClients = 10'000;

    // Whole seconds the client must still wait, 0 when it may try now.
    int secondsToWait(const QByteArray &client, Clock::time_point now) const;
    void failed(const QByteArray &client, Clock::time_point now);
    void succeeded(const QByteArray &client) { m_clients.remove(client); }

private:
    struct Record
    {
        int failures = 0;
        Clock::time_point last;
        Clock::time_point until;
    };
    void forgetOldest(Clock::time_point now);

    int m_freeAttempts;
    QHash<QByteArray, Record> m_clients;
};
