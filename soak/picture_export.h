#pragma once

#include <functional>

namespace rainbow {

class Program;

// What the soak does for a picture export: paints every picture of the program as an export
// would, where the soak is built with the Qt adapter; nothing in the core-only build.
std::function<void(Program&)> picture_exporter(int& argc, char** argv);

}  // namespace rainbow
