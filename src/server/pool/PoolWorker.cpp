#include "server/pool/PoolWorker.h"

#include "server/pool/PoolStore.h"

PoolWorker::PoolWorker(std::function<std::unique_ptr<PoolStore>()> open, int capacity)
    : m_capacity(std::size_t(capacity))
    , m_thread([this, open = std::move(open)] { run(open); })
{
    std::unique_lock lock(m_mutex);
    m_wake.wait(lock, [this] { return m_opened; });
}

PoolWorker::~PoolWorker()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

bool PoolWorker::post(Job job, Clock::time_point deadline)
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_queue.size() >= m_capacity || m_stopping || !m_error.isEmpty())
            return false;
        m_queue.push_back({std::move(job), deadline});
    }
    m_wake.notify_all();
    return true;
}

void PoolWorker::run(const std::function<std::unique_ptr<PoolStore>()> &open)
{
    std::unique_ptr<PoolStore> store = open();
    {
        const std::lock_guard lock(m_mutex);
        m_error = store->error();
        m_opened = true;
    }
    m_wake.notify_all();
    for (;;) {
        Waiting next;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
            if (m_stopping)
                break;
            next = std::move(m_queue.front());
            m_queue.pop_front();
        }
        if (Clock::now() < next.deadline)
            next.job(*store);
    }
}
