#pragma once
// Work split over threads: a caller may hand its own parallel-for (a thread pool of the
// desktop program, say); by default the work runs on plain std::threads.
#include <cstddef>
#include <functional>

namespace rainbow::scattering {

// Runs body(0) .. body(count - 1), in any order, each exactly once, and returns when all
// are done.
using ParallelFor =
    std::function<void(std::size_t count, const std::function<void(std::size_t)>& body)>;

// A parallel-for on this many threads (0: as many as the machine has cores).
ParallelFor threads_parallel_for(unsigned threads = 0);

// Runs everything on the calling thread.
ParallelFor serial_for();

}  // namespace rainbow::scattering
