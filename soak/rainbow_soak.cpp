// rainbow-soak: random user events across all the windows, checked after every event.
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "portable/charconv.h"
#include "soak/picture_export.h"
#include "soak/soak.h"

namespace {

const char* const usage =
    "usage: rainbow-soak [--events N] [--seed S] [--stats]\n"
    "Takes N random user events (default 1000) from seed S (default 1) on the program's\n"
    "windows and checks the program after each. Prints \"N events, K faults\", then the\n"
    "seed and steps of each fault; --stats adds what the run held at most and the processor\n"
    "time by kind of event. Exits with 1 when there are faults.\n";

template <class T>
bool number(std::string_view text, T& value) {
    auto [end, error] =
        rainbow::portable::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc{} && end == text.data() + text.size();
}

}  // namespace

int main(int argc, char** argv) {
    rainbow::SoakOptions options;
    bool stats = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool has_value = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            std::cout << usage;
            return 0;
        } else if (arg == "--stats") {
            stats = true;
        } else if (arg == "--events" && has_value && number(argv[i + 1], options.events) &&
                   options.events > 0) {
            ++i;
        } else if (arg == "--seed" && has_value && number(argv[i + 1], options.seed)) {
            ++i;
        } else {
            std::cerr << "rainbow-soak: bad argument '" << arg << "' (see --help)\n";
            return 2;
        }
    }

    options.export_pictures = rainbow::picture_exporter(argc, argv);
    const auto start = std::chrono::steady_clock::now();
    const rainbow::SoakReport report = rainbow::run_soak(options);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;

    std::cout << report.events << " events, " << report.faults.size() << " faults\n";
    for (const auto& fault : report.faults) {
        std::cout << "seed " << options.seed << ", event " << fault.event << ": " << fault.what
                  << "\n  steps since the fresh start:";
        for (const auto& step : fault.steps) std::cout << "\n    " << rainbow::describe(step);
        std::cout << '\n';
    }
    if (stats) {
        std::cout << "took " << took.count() << " s; most items in a picture "
                  << report.most_picture_items << "; farthest item " << report.farthest_item
                  << " picture extents; most resident memory " << (report.most_resident_bytes >> 20)
                  << " MiB; lessons replayed " << report.lessons_replayed << "; exports "
                  << report.exports << "; background jobs run " << report.jobs_run << '\n';
        std::vector<std::pair<std::string, rainbow::SoakReport::Cost>> costs(report.costs.begin(),
                                                                             report.costs.end());
        std::sort(costs.begin(), costs.end(), [](const auto& a, const auto& b) {
            return a.second.cpu_seconds > b.second.cpu_seconds;
        });
        std::cout << "processor time by kind of event (s, events):\n";
        for (const auto& [kind, cost] : costs) {
            std::printf("  %-28s %9.2f %7ld\n", kind.c_str(), cost.cpu_seconds, cost.events);
        }
    }
    return report.faults.empty() ? 0 : 1;
}
