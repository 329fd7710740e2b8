#pragma once
// The render command's arguments, read without Qt (the fuzz build reads them too).
#include <string>
#include <vector>

#include "app/program.h"
#include "app/step.h"
#include "tools/bad_input.h"

namespace rainbow {

// What `rainbow-render` is asked to do: the screen, the steps in order, the outputs.
struct RenderRequest {
    struct Output {
        enum class Kind { png, svg, pdf, json } kind = Kind::json;
        std::string form, picture;  // empty for json
        std::string file;           // "-" is standard output for json
        int size = 0;               // the picture's longer side in pixels; 0: the default
    };

    bool help = false;
    Screen screen{1920 * twips_per_pixel, 1080 * twips_per_pixel};
    bool screen_given = false;  // otherwise a lesson's screen, when there is a lesson
    std::string lesson;         // --lesson FILE: replayed before the steps
    int scene = 0;              // --scene K: the lesson only up to the end of scene K (from 1)
    std::vector<Step> steps;
    std::vector<Output> outputs;
};

extern const char* const render_usage;

// Reads the command line (without the program name); throws BadInput.
RenderRequest parse_render_arguments(const std::vector<std::string>& args);

}  // namespace rainbow
