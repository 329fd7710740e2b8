#pragma once
// rainbow-scatter: the numbers behind the theory window's pictures, as JSON.
#include <iosfwd>
#include <string>
#include <vector>

namespace rainbow {

// Runs the command with its arguments (without the program's name). Writes JSON to out,
// or one line to err for bad arguments. Returns the exit status: 0, or 2 for bad arguments.
int run_scatter_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace rainbow
