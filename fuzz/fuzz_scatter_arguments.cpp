// A command line (arguments separated by NUL bytes) -> rainbow-scatter's request -> its JSON,
// for requests whose series stays short enough for a fuzzer. Every number the JSON promises
// must be a number.
#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <sstream>

#include "fuzz_checks.h"
#include "tools/scatter_command.h"

using namespace rainbow;

namespace {

// Terms of the series times the angles: about a millisecond of work.
constexpr double largest_fuzzed_work = 2e5;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ScatterRequest request;
    try {
        request = parse_scatter_arguments(fuzz::arguments(data, size));
    } catch (const BadScatterArgument& e) {
        fuzz::require_one_escaped_line(e.what());
        return 0;
    }
    if (request.help || scatter_work(request) > largest_fuzzed_work) return 0;
    std::ostringstream out;
    try {
        write_scatter(request, out);
    } catch (const BadScatterArgument& e) {
        // Within the bounds that --help states, every number fits a double.
        fuzz::require(false, "a request within the bounds overflowed", e.what());
    }
    const auto json = nlohmann::json::parse(out.str());
    const bool mie = request.theory == ScatterRequest::Theory::mie;
    for (const char* key : {"Qext", "Qsca", "Qabs", "Qback", "g"})
        fuzz::require(json[key].is_number() == mie, "an efficiency", key);
    fuzz::require(json["angles"].size() == request.angles_deg.size(), "the angles");
    for (const auto& angle : json["angles"]) {
        fuzz::require(angle["S11"].is_number() && angle["S12"].is_number(), "S11 and S12");
        fuzz::require(angle["S11"].get<double>() >= 0, "S11 below 0");
    }
    return 0;
}
