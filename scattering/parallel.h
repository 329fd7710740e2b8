#pragma once
// Work split over threads: a caller may hand its own parallel-for (a thread pool of the
// desktop program, say); by default the work runs on plain std::threads.
#include <cstddef>
#include <functional>
#include <utility>

namespace rainbow::scattering {

// Runs body(0) .. body(count - 1), in any order, each exactly once, and returns when all
// are done.
using ParallelFor =
    std::function<void(std::size_t count, const std::function<void(std::size_t)>& body)>;

// A parallel-for on this many threads (0: as many as the machine has cores).
ParallelFor threads_parallel_for(unsigned threads = 0);

// Runs everything on the calling thread.
ParallelFor serial_for();

// How a long computation runs: at once, its loops shared out over `parallel` (the desktop); or,
// when `pause` is given, in short pieces on the calling thread, asking `pause` after each piece
// whether to stop there. A computation that stopped goes on from that piece when run again, and
// gives the same bits either way: each angle's sum is the same whatever span it is summed in.
struct Pace {
    ParallelFor parallel = serial_for();
    std::function<bool()> pause;  // empty: at once
    // About how many terms of angular sums (angles times partial waves) make one piece.
    std::size_t sums_per_piece = 1'000'000;

    // At once over the parallel-for; in pieces on the calling thread, asking `pause`.
    static Pace at_once(ParallelFor parallel) { return {std::move(parallel), {}}; }
    static Pace pausing(std::function<bool()> pause) { return {serial_for(), std::move(pause)}; }

    bool in_pieces() const { return bool(pause); }
    // Between two pieces: true when the computation is to stop there (never at once).
    bool stop_here() const { return in_pieces() && pause(); }
    // How many angles of a sum of `terms` partial waves make one piece (one at least).
    std::size_t angles_per_piece(std::size_t terms) const;
};

// Runs body(first, last) over the items [done, count). At once: in `blocks` equal blocks over
// the parallel-for. In pieces: spans of at most `span` items, one after another, stopping when
// pace.pause() says so after a span. `done` counts the items done; true once all are.
bool run_spans(std::size_t count, std::size_t blocks, std::size_t span, std::size_t& done,
               const Pace& pace, const std::function<void(std::size_t, std::size_t)>& body);

}  // namespace rainbow::scattering
