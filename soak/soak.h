#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/step.h"

namespace rainbow {

class Program;

// A fault the soak found: at which event, what was wrong, and the steps taken since the
// program's last fresh start (replaying them reproduces it).
struct SoakFault {
    long event = 0;
    std::string what;
    std::vector<Step> steps;
};

struct SoakReport {
    long events = 0;
    std::vector<SoakFault> faults;
    // What the run held at most, for the record.
    std::size_t most_picture_items = 0;
    std::size_t most_resident_bytes = 0;
    double farthest_item = 0;  // relative to its picture's extent
    long lessons_replayed = 0;
    long exports = 0;
    long jobs_run = 0;  // background computations that ran
    // Processor time and count by kind of event ("lesson", "export", "arxiki.goniatheta", ...).
    struct Cost {
        double cpu_seconds = 0;
        long events = 0;
    };
    std::map<std::string, Cost> costs;
};

struct SoakOptions {
    long events = 1000;
    std::uint32_t seed = 1;  // of the Mersenne Twister, as the C++ standard seeds it
    // Paints the program's pictures as an export would; the JSON state is written always.
    std::function<void(Program&)> export_pictures;
    // More than this many bytes resident is a fault.
    std::size_t largest_resident_bytes = std::size_t(3) << 30;
};

// Drives random user events across all the windows through take_step: scroll bars to random
// values and to their ends, options, menu items and buttons (END only as the last event),
// windows closed, steps the program must refuse, lessons saved and opened again, exports,
// and fresh starts. Long computations start in the background, as on the desktop, and run
// when the user waits for them. After every event it checks that nothing threw, the display
// lists, the labels against their controls, and memory.
SoakReport run_soak(const SoakOptions& options);

}  // namespace rainbow
