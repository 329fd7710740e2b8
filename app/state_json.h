#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <string_view>

namespace rainbow {

class Program;

// Writes the whole state of the program as JSON: the shared settings, and every window that
// exists with its caption, shown state, controls and the display lists of its pictures (a
// window's own client area is the picture "client"). Numbers round-trip; a value that is not
// finite is written as null. Each control's tooltip is written in the user's language, as
// `translate` gives it; without one, in English.
using Translate = std::function<std::string(std::string_view context, std::string_view source)>;
void write_state_json(Program& program, std::ostream& out, const Translate& translate = {});

}  // namespace rainbow
