#pragma once
// Spins handed from the thread that reads and splits a file to a thread of
// their own that counts them: a few batches wait in a bounded queue, so that
// reading and counting overlap and memory stays small whatever the length.
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <span>
#include <thread>
#include <utility>
#include <vector>

namespace vintaro {

class SpinPipe
{
public:
    using Sink = std::function<void(std::span<const std::uint8_t> spins)>;

    // `sink` hears every batch, in order, on the pipe's own thread.
    explicit SpinPipe(Sink sink, std::size_t depth = 4);
    // Waits for the batches still queued.
    ~SpinPipe();
    SpinPipe(const SpinPipe &) = delete;
    SpinPipe &operator=(const SpinPipe &) = delete;

    // Copies `spins` into the queue; waits while it is full.
    void push(std::span<const std::uint8_t> spins);
    // Every batch counted; an exception of the sink is thrown again here.
    void finish();

private:
    void run();

    Sink m_sink;
    std::size_t m_depth;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::vector<std::uint8_t>> m_queue; // oldest first
    std::vector<std::vector<std::uint8_t>> m_spare; // buffers to use again
    bool m_closed = false;
    bool m_finished = false;
    std::exception_ptr m_error;
    std::thread m_thread;
};

} // namespace vintaro
