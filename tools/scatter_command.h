#pragma once
// rainbow-scatter: the numbers behind the theory window's pictures, as JSON.
#include <complex>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

namespace rainbow {

// Arguments the command cannot act on; the message says why, on one line.
struct BadScatterArgument : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct ScatterRequest {
    enum class Theory { mie, debye1, airy, geometric };
    bool help = false;
    std::complex<double> index;
    double size_parameter = 0;
    std::vector<double> angles_deg;
    Theory theory = Theory::mie;
};

// Reads the arguments (without the program's name) and checks them against the bounds that
// --help states; throws BadScatterArgument.
ScatterRequest parse_scatter_arguments(const std::vector<std::string>& args);

// What the computation costs, in terms of the series times the angles and one (for the
// efficiencies): a bound on its time.
double scatter_work(const ScatterRequest& request);

// Computes and writes the JSON; throws BadScatterArgument when a number that the JSON promises
// cannot be held in a double.
void write_scatter(const ScatterRequest& request, std::ostream& out);

// Runs the command with its arguments (without the program's name). Writes JSON to out,
// or one line to err for bad arguments. Returns the exit status: 0, or 2 for bad arguments
// or an output that cannot be written.
int run_scatter_command(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace rainbow
