#pragma once

#include <ostream>

namespace rainbow {

class Program;

// Writes the whole state of the program as JSON: the shared settings, and every window that
// exists with its caption, shown state, controls and the display lists of its pictures (a
// window's own client area is the picture "client"). Numbers round-trip; a value that is not
// finite is written as null.
void write_state_json(Program& program, std::ostream& out);

}  // namespace rainbow
