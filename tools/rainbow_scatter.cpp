// rainbow-scatter: Mie, Debye, Airy and geometric-optics numbers for a sphere, as JSON.
#include <iostream>
#include <string>
#include <vector>

#include "tools/scatter_command.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return rainbow::run_scatter_command(args, std::cout, std::cerr);
}
