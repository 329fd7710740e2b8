#pragma once

#include <ostream>

#include "forms/json_writer.h"

namespace rainbow {

class Program;

// Writes the whole state of the program as JSON: the shared settings, and every window that
// exists with its caption, shown state, controls and the display lists of its pictures (a
// window's own client area is the picture "client"). Numbers round-trip; a value that is not
// finite is written as null. Each control's tooltip is written in the user's language, as
// `translate` gives it; without one, in English.
void write_state_json(Program& program, std::ostream& out, const Translate& translate = {});

}  // namespace rainbow
