#pragma once

#include <ostream>

#include "tools/render_arguments.h"

namespace rainbow {

// The usage, then every window with its controls (a scroll bar with its range) and pictures,
// as the program has them once every window is open.
std::string render_help();

// Starts the program (on the lesson's screen unless --screen is given), replays the lesson
// after checking all of it, applies the steps, checks every output (picture and file) and only
// then writes them; throws BadInput before anything is written.
void run_render(const RenderRequest& request, std::ostream& standard_output);

}  // namespace rainbow
