// Work shared out among threads in chunks: each thread takes the next chunk
// of a range until none is left, so that threads finishing early take more.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

namespace endgame {

// Calls work(thread, begin, end) over [0, count) in chunks of at most `chunk`
// on `threads` threads (thread 0 being the caller's), and returns when all are
// done. Each chunk goes to one thread; `thread` numbers the caller's state.
template <class Work>
void ParallelChunks(int threads, std::uint64_t count, std::uint64_t chunk, Work&& work) {
    std::atomic<std::uint64_t> next{0};
    const auto run = [&](int thread) {
        for (;;) {
            const std::uint64_t begin = next.fetch_add(chunk);
            if (begin >= count) return;
            work(thread, begin, std::min(count, begin + chunk));
        }
    };
    std::vector<std::jthread> others;
    for (int t = 1; t < threads; ++t) others.emplace_back(run, t);
    run(0);
}

} // namespace endgame
