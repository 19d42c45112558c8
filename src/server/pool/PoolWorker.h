#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include <QString>

class PoolStore;

// The pool's database on a thread of its own, so that a slow statement, a
// lock wait or a PostgreSQL that stopped answering holds up the pool's
// requests and never the event loop that serves downloads. Jobs wait in a
// bounded queue and run one after another on the store, which lives and
// dies on the worker's thread as Qt SQL wants; a full queue refuses at
// once, and a job whose caller stopped waiting is dropped unrun.
class PoolWorker final
{
public:
    using Clock = std::chrono::steady_clock;
    using Job = std::function<void(PoolStore &)>;

    // Opens the store with `open` on the worker and waits for it.
    PoolWorker(std::function<std::unique_ptr<PoolStore>()> open, int capacity);
    ~PoolWorker();
    PoolWorker(const PoolWorker &) = delete;
    PoolWorker &operator=(const PoolWorker &) = delete;

    // Empty when the store is open.
    const QString &error() const { return m_error; }
    // False when the queue is full; `job` runs only if it starts before
    // `deadline`.
    bool post(Job job, Clock::time_point deadline);

private:
    struct Waiting
    {
        Job job;
        Clock::time_point deadline;
    };
    void run(const std::function<std::unique_ptr<PoolStore>()> &open);

    const std::size_t m_capacity;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Waiting> m_queue;
    bool m_stopping = false;
    bool m_opened = false;
    QString m_error;
    std::thread m_thread;
};
