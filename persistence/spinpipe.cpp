#include "persistence/spinpipe.h"

namespace vintaro {

SpinPipe::SpinPipe(Sink sink, std::size_t depth) : m_sink(std::move(sink)), m_depth(depth ? depth : 1)
{
    m_thread = std::thread([this] { run(); });
}

SpinPipe::~SpinPipe()
{
    try {
        finish();
    } catch (...) { // told through finish() when anybody asks
    }
}

void SpinPipe::push(std::span<const std::uint8_t> spins)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_queue.size() < m_depth || m_error; });
    if (m_error)
        return; // the counting has failed: finish() says so
    std::vector<std::uint8_t> batch;
    if (!m_spare.empty()) {
        batch = std::move(m_spare.back());
        m_spare.pop_back();
    }
    lock.unlock();
    batch.assign(spins.begin(), spins.end());
    lock.lock();
    m_queue.push_back(std::move(batch));
    m_changed.notify_all();
}

void SpinPipe::finish()
{
    if (!m_finished) {
        {
            std::lock_guard lock(m_mutex);
            m_closed = true;
        }
        m_changed.notify_all();
        m_thread.join();
        m_finished = true;
    }
    if (m_error)
        std::rethrow_exception(std::exchange(m_error, nullptr));
}

void SpinPipe::run()
{
    for (;;) {
        std::vector<std::uint8_t> batch;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return !m_queue.empty() || m_closed; });
            if (m_queue.empty())
                return;
            batch = std::move(m_queue.front());
            m_queue.erase(m_queue.begin());
        }
        m_changed.notify_all();
        try {
            m_sink(batch);
        } catch (...) {
            std::lock_guard lock(m_mutex);
            m_error = std::current_exception();
            m_queue.clear();
            m_changed.notify_all();
            return;
        }
        std::lock_guard lock(m_mutex);
        m_spare.push_back(std::move(batch));
    }
}

} // namespace vintaro
