// A command line (arguments separated by NUL bytes) -> the render command's request -> its
// steps taken on a program -> the state as JSON. No file is read or written, and the theory
// window's long computations are skipped: every input ends quickly.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>

#include "app/program.h"
#include "app/state_json.h"
#include "app/step.h"
#include "fuzz_checks.h"
#include "tools/render_arguments.h"

using namespace rainbow;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RenderRequest request;
    try {
        request = parse_render_arguments(fuzz::arguments(data, size));
    } catch (const BadInput& e) {
        fuzz::require_one_escaped_line(e.what());
        return 0;
    }
    // A program on the asked screen is laid out at up to 10000 x 10000 pixels: still cheap.
    Program program(request.screen);
    program.set_background_work_factory([] { return std::make_unique<SkipEveryJob>(); });
    for (const Step& step : request.steps) {
        try {
            take_step(program, step);
        } catch (const BadStep& e) {
            fuzz::require_one_escaped_line(e.what());
            return 0;
        }
    }
    std::ostringstream state;
    write_state_json(program, state);
    fuzz::require(!state.str().empty(), "no state written");
    return 0;
}
