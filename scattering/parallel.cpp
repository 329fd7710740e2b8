#include "scattering/parallel.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "portable/threads.h"

namespace rainbow::scattering {

ParallelFor threads_parallel_for(unsigned threads) {
    if (!portable::has_threads) return serial_for();
    const unsigned count = threads ? threads : std::max(1u, std::thread::hardware_concurrency());
    return [count](std::size_t jobs, const std::function<void(std::size_t)>& body) {
        std::atomic<std::size_t> next{0};
        const auto work = [&] {
            for (std::size_t j = next++; j < jobs; j = next++) body(j);
        };
        std::vector<portable::joining_thread> helpers;
        for (unsigned t = 1; t < std::min<std::size_t>(count, jobs); ++t)
            helpers.emplace_back(work);
        work();
    };
}

ParallelFor serial_for() {
    return [](std::size_t jobs, const std::function<void(std::size_t)>& body) {
        for (std::size_t j = 0; j < jobs; ++j) body(j);
    };
}

std::size_t Pace::angles_per_piece(std::size_t terms) const {
    return std::max<std::size_t>(1, sums_per_piece / std::max<std::size_t>(1, terms));
}

bool run_spans(std::size_t count, std::size_t blocks, std::size_t span, std::size_t& done,
               const Pace& pace, const std::function<void(std::size_t, std::size_t)>& body) {
    if (done >= count) return true;
    if (!pace.in_pieces()) {
        const std::size_t from = done,
                          size = (count - from + blocks - 1) / std::max<std::size_t>(1, blocks);
        pace.parallel(blocks, [&](std::size_t b) {
            const std::size_t first = std::min(count, from + b * size);
            const std::size_t last = std::min(count, first + size);
            if (first < last) body(first, last);
        });
        done = count;
        return true;
    }
    for (;;) {
        const std::size_t last = std::min(count, done + std::max<std::size_t>(1, span));
        body(done, last);
        done = last;
        if (done >= count) return true;
        if (pace.stop_here()) return false;
    }
}

}  // namespace rainbow::scattering
