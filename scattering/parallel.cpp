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

}  // namespace rainbow::scattering
