#include "tools/scatter_command.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>
#include <ostream>
#include <stdexcept>

#include "scattering/airy.h"
#include "scattering/debye.h"
#include "scattering/geometric.h"
#include "scattering/mie.h"

namespace rainbow {
namespace {

namespace sc = scattering;

const char* const usage =
    "usage: rainbow-scatter --m RE[,IM] (--x X | --radius UM --wavelength NM) "
    "[--angles FROM:TO:STEP] [--theory mie|debye1|airy|geometric]";

struct BadArgument : std::runtime_error {
    using std::runtime_error::runtime_error;
};

enum class Theory { mie, debye1, airy, geometric };

struct Request {
    sc::complex index;
    double size_parameter = 0;
    std::vector<double> angles_deg;
    Theory theory = Theory::mie;
};

double number(const std::string& text, const char* what) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end || !std::isfinite(value))
        throw BadArgument(std::string(what) + " is not a number: \"" + text + "\"");
    return value;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (c == separator)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

std::vector<double> angle_list(const std::string& text) {
    const auto parts = split(text, ':');
    if (parts.size() != 3) throw BadArgument("--angles takes FROM:TO:STEP, not \"" + text + "\"");
    const double from = number(parts[0], "--angles FROM"), to = number(parts[1], "--angles TO"),
                 step = number(parts[2], "--angles STEP");
    if (from < 0 || to > 180 || from > to)
        throw BadArgument("--angles must run within 0:180 upwards");
    if (step <= 0) throw BadArgument("--angles STEP must be above 0");
    const double count = std::floor((to - from) / step + 1e-9) + 1;
    if (count > 20000) throw BadArgument("--angles gives more than 20000 angles");
    std::vector<double> angles;
    for (int i = 0; i < int(count); ++i) angles.push_back(from + step * i);
    return angles;
}

Request parse(const std::vector<std::string>& args) {
    Request request;
    std::optional<double> x, radius, wavelength;
    bool have_index = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (i + 1 >= args.size())
            throw BadArgument(
                option + (option.rfind("--", 0) == 0 ? " needs a value" : ": unknown argument"));
        const std::string& value = args[++i];
        if (option == "--m") {
            const auto parts = split(value, ',');
            if (parts.size() > 2) throw BadArgument("--m takes RE or RE,IM, not \"" + value + "\"");
            request.index = {number(parts[0], "--m RE"),
                             parts.size() == 2 ? number(parts[1], "--m IM") : 0.0};
            if (request.index.real() <= 0 || request.index.imag() < 0)
                throw BadArgument("--m needs RE above 0 and IM not below 0");
            have_index = true;
        } else if (option == "--x") {
            x = number(value, "--x");
        } else if (option == "--radius") {
            radius = number(value, "--radius");
        } else if (option == "--wavelength") {
            wavelength = number(value, "--wavelength");
        } else if (option == "--angles") {
            request.angles_deg = angle_list(value);
        } else if (option == "--theory") {
            if (value == "mie")
                request.theory = Theory::mie;
            else if (value == "debye1")
                request.theory = Theory::debye1;
            else if (value == "airy")
                request.theory = Theory::airy;
            else if (value == "geometric")
                request.theory = Theory::geometric;
            else
                throw BadArgument("--theory is mie, debye1, airy or geometric, not \"" + value +
                                  "\"");
        } else {
            throw BadArgument(option + ": unknown argument");
        }
    }
    if (!have_index) throw BadArgument("--m is missing");
    if (x && (radius || wavelength))
        throw BadArgument("give --x or --radius with --wavelength, not both");
    if (!x) {
        if (!radius || !wavelength)
            throw BadArgument("--x, or --radius with --wavelength, is missing");
        if (*radius <= 0 || *wavelength <= 0)
            throw BadArgument("--radius and --wavelength must be above 0");
        x = 2.0 * std::numbers::pi * (*radius * 1000.0) / *wavelength;
    }
    if (!(*x > 0) || *x > 1.0e5)
        throw BadArgument("the size parameter must lie above 0 and up to 1e5");
    if (request.theory == Theory::airy || request.theory == Theory::geometric) {
        if (request.index.real() <= 1)
            throw BadArgument("rays make a rainbow only for --m above 1");
        if (request.index.imag() != 0)
            throw BadArgument("rays and Airy's theory take a drop that does not absorb: no IM");
    }
    // The Debye term follows waves that cross the drop: in a drop that absorbs strongly they
    // fade below what a double can hold.
    if (request.theory == Theory::debye1 && request.index.imag() * *x > 200)
        throw BadArgument("the Debye term needs IM times x up to 200");
    request.size_parameter = *x;
    return request;
}

std::string format(double value) {
    if (!std::isfinite(value)) return "null";
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

std::string pair(sc::complex value) {
    return "[" + format(value.real()) + ", " + format(value.imag()) + "]";
}

void write(const Request& request, std::ostream& out) {
    std::vector<double> radians;
    for (const double a : request.angles_deg) radians.push_back(a * std::numbers::pi / 180.0);
    const bool amplitudes = request.theory == Theory::mie || request.theory == Theory::debye1;
    std::optional<sc::Efficiencies> q;
    std::vector<sc::Amplitudes> s;
    if (request.theory == Theory::mie) {
        const auto result = sc::mie(request.index, request.size_parameter, radians);
        q = result.q;
        s = result.s;
    } else if (request.theory == Theory::debye1) {
        s = sc::amplitudes(sc::debye_partial_waves(request.index, request.size_parameter, 2),
                           radians);
    }
    const auto field = [&](double sc::Efficiencies::*member) {
        return q ? format((*q).*member) : "null";
    };
    out << "{\"Qext\": " << field(&sc::Efficiencies::extinction)
        << ", \"Qsca\": " << field(&sc::Efficiencies::scattering)
        << ", \"Qabs\": " << field(&sc::Efficiencies::absorption)
        << ", \"Qback\": " << field(&sc::Efficiencies::backscattering)
        << ", \"g\": " << field(&sc::Efficiencies::asymmetry) << ", \"angles\": [";
    for (std::size_t j = 0; j < radians.size(); ++j) {
        out << (j ? ",\n  " : "\n  ") << "{\"deg\": " << format(request.angles_deg[j]);
        double perpendicular = 0, parallel = 0;
        if (amplitudes) {
            out << ", \"S1\": " << pair(s[j].s1) << ", \"S2\": " << pair(s[j].s2);
            perpendicular = std::norm(s[j].s1);
            parallel = std::norm(s[j].s2);
        } else {
            const auto intensity =
                request.theory == Theory::airy ? sc::airy_intensity : sc::geometric_intensity;
            const double m = request.index.real(), x = request.size_parameter;
            perpendicular = intensity(m, x, 1, radians[j], sc::Polarisation::perpendicular);
            parallel = intensity(m, x, 1, radians[j], sc::Polarisation::parallel);
            out << ", \"S1\": null, \"S2\": null";
        }
        out << ", \"S11\": " << format(0.5 * (perpendicular + parallel))
            << ", \"S12\": " << format(0.5 * (parallel - perpendicular)) << "}";
    }
    out << (radians.empty() ? "]}\n" : "\n]}\n");
}

}  // namespace

int run_scatter_command(const std::vector<std::string>& args, std::ostream& out,
                        std::ostream& err) {
    try {
        write(parse(args), out);
        return 0;
    } catch (const BadArgument& bad) {
        err << "rainbow-scatter: " << bad.what() << " (" << usage << ")\n";
        return 2;
    }
}

}  // namespace rainbow
