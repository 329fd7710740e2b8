#pragma once

#include <ostream>

#include "tools/render_arguments.h"

namespace rainbow {

// Starts the program (on the lesson's screen unless --screen is given), replays the lesson
// after checking all of it, applies the steps, checks every output (picture and file) and only
// then writes them; throws BadInput before anything is written.
void run_render(const RenderRequest& request, std::ostream& standard_output);

}  // namespace rainbow
