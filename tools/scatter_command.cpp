#include "tools/scatter_command.h"

#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>
#include <numbers>
#include <optional>
#include <ostream>

#include "forms/utf8.h"
#include "portable/charconv.h"
#include "scattering/airy.h"
#include "scattering/debye.h"
#include "scattering/geometric.h"
#include "scattering/mie.h"

namespace rainbow {
namespace {

namespace sc = scattering;
using Theory = ScatterRequest::Theory;
using BadArgument = BadScatterArgument;

const char* const usage =
    "usage: rainbow-scatter --m RE[,IM] (--x X | --radius UM --wavelength NM) "
    "[--angles FROM:TO:STEP] [--theory mie|debye1|airy|geometric]";

// The bounds: the series needs about x terms and its logarithmic derivative about |m| x, so
// both are bounded (a few MB and seconds at the limits); below x = 0.001 the series loses its
// precision to rounding, and Rayleigh's formulas hold there instead.
constexpr double smallest_size_parameter = 1e-3;
constexpr double largest_size_parameter = 1e5;
constexpr double largest_index_times_x = 2e5;
constexpr double smallest_index = 1e-3;
constexpr double largest_angle_count = 20000;
// Airy's 1/sin(angle) diverges on the axis, where the theory does not apply.
constexpr double airy_axis_margin_deg = 1;

const char* const help =
    "usage: rainbow-scatter --m RE[,IM] (--x X | --radius UM --wavelength NM)\n"
    "                       [--angles FROM:TO:STEP] [--theory mie|debye1|airy|geometric]\n"
    "Prints the scattering of light by a sphere as JSON: Qext, Qsca, Qabs, Qback, g and, for\n"
    "each angle (degrees), S1, S2, S11 and S12.\n"
    "  --m RE[,IM]         the sphere's refractive index relative to the medium; IM >= 0\n"
    "                      absorbs; |m| from 0.001\n"
    "  --x X               the size parameter 2 pi a / wavelength, from 0.001 to 1e5, with\n"
    "                      |m| x up to 2e5 (the series needs about x terms, its logarithmic\n"
    "                      derivative about |m| x); below 0.001 Rayleigh's formulas apply\n"
    "  --radius UM --wavelength NM   or the radius in micrometres and the wavelength in nm\n"
    "  --angles FROM:TO:STEP   scattering angles within 0:180, at most 20000 of them\n"
    "  --theory mie        the exact Lorenz-Mie series (the default)\n"
    "           debye1     its Debye term of one internal reflection: m > 1, IM x up to\n"
    "                      200\n"
    "           airy       Airy's theory of the primary bow: 1 < m < 2, no IM, angles from 1\n"
    "                      to 179 degrees\n"
    "           geometric  the rays of one internal reflection with Fresnel's factors: m > 1,\n"
    "                      no IM\n"
    "Bad arguments print one line and exit with status 2.\n";

double number(const std::string& text, const char* what) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = portable::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end || !std::isfinite(value))
        throw BadArgument(std::string(what) + " is not a number: " + in_quotes(text));
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
    if (parts.size() != 3) throw BadArgument("--angles takes FROM:TO:STEP, not " + in_quotes(text));
    const double from = number(parts[0], "--angles FROM"), to = number(parts[1], "--angles TO"),
                 step = number(parts[2], "--angles STEP");
    if (from < 0 || to > 180 || from > to)
        throw BadArgument("--angles must run within 0:180 upwards");
    if (step <= 0) throw BadArgument("--angles STEP must be above 0");
    const double count = std::floor((to - from) / step + 1e-9) + 1;
    if (count > largest_angle_count) throw BadArgument("--angles gives more than 20000 angles");
    std::vector<double> angles;
    for (int i = 0; i < int(count); ++i) angles.push_back(from + step * i);
    return angles;
}

Theory theory_named(const std::string& name) {
    if (name == "mie") return Theory::mie;
    if (name == "debye1") return Theory::debye1;
    if (name == "airy") return Theory::airy;
    if (name == "geometric") return Theory::geometric;
    throw BadArgument("--theory is mie, debye1, airy or geometric, not " + in_quotes(name));
}

void check_bounds(const ScatterRequest& request) {
    const double x = request.size_parameter, m = std::abs(request.index);
    if (!(x >= smallest_size_parameter) || x > largest_size_parameter)
        throw BadArgument("the size parameter must lie from 0.001 to 1e5");
    if (m < smallest_index) throw BadArgument("--m needs |m| of at least 0.001");
    if (m * x > largest_index_times_x)
        throw BadArgument("|m| times x must be at most 2e5 (the terms the series would need)");
    const bool rays = request.theory == Theory::airy || request.theory == Theory::geometric;
    if (rays && request.index.real() <= 1)
        throw BadArgument("rays make a rainbow only for --m above 1");
    if (rays && request.index.imag() != 0)
        throw BadArgument("rays and Airy's theory take a drop that does not absorb: no IM");
    if (request.theory == Theory::airy) {
        // The rainbow ray has cos^2 i = (m^2 - 1) / 3: from m = 2 on there is no bow.
        if (request.index.real() >= 2)
            throw BadArgument("Airy's theory needs --m below 2: there is no primary bow above");
        for (const double a : request.angles_deg) {
            if (a < airy_axis_margin_deg || a > 180 - airy_axis_margin_deg)
                throw BadArgument(
                    "Airy's theory takes angles from 1 to 179 degrees: on the axis "
                    "its 1/sin(angle) diverges and the theory does not apply");
        }
    }
    // The Debye term follows waves that cross the drop, by Hankel functions of m x up to
    // about x terms: for m below 1 they grow past what a double holds (m = 0.333 at
    // x = 1162), and in a drop that absorbs strongly they fade below it.
    if (request.theory == Theory::debye1 && request.index.real() <= 1)
        throw BadArgument("the Debye term of the bow needs --m above 1");
    if (request.theory == Theory::debye1 && request.index.imag() * x > 200)
        throw BadArgument("the Debye term needs IM times x up to 200");
}

// A number the JSON promises; one that a double cannot hold refuses the request.
double finite(double value) {
    if (!std::isfinite(value))
        throw BadArgument("the numbers for these arguments overflow a double");
    return value;
}

nlohmann::json pair(sc::complex value) {
    return nlohmann::json::array({finite(value.real()), finite(value.imag())});
}

}  // namespace

ScatterRequest parse_scatter_arguments(const std::vector<std::string>& args) {
    ScatterRequest request;
    std::optional<double> x, radius, wavelength;
    bool have_index = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--help" || option == "-h") {
            request.help = true;
            return request;
        }
        if (i + 1 >= args.size())
            throw BadArgument(in_quotes(option) + (option.rfind("--", 0) == 0
                                                       ? " needs a value"
                                                       : ": unknown argument"));
        const std::string& value = args[++i];
        if (option == "--m") {
            const auto parts = split(value, ',');
            if (parts.size() > 2)
                throw BadArgument("--m takes RE or RE,IM, not " + in_quotes(value));
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
            request.theory = theory_named(value);
        } else {
            throw BadArgument(in_quotes(option) + ": unknown argument");
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
    request.size_parameter = *x;
    check_bounds(request);
    return request;
}

double scatter_work(const ScatterRequest& request) {
    const double terms = request.size_parameter + 4.05 * std::cbrt(request.size_parameter) + 2;
    const double derivative = std::abs(request.index) * request.size_parameter;
    return std::max(terms, derivative) * double(request.angles_deg.size() + 1);
}

void write_scatter(const ScatterRequest& request, std::ostream& out) {
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
    // Written in the order of the well-known Mie codes; null where a theory gives no value.
    nlohmann::ordered_json json;
    const auto field = [&](const char* key, double sc::Efficiencies::*member) {
        json[key] = q ? nlohmann::ordered_json(finite((*q).*member)) : nullptr;
    };
    field("Qext", &sc::Efficiencies::extinction);
    field("Qsca", &sc::Efficiencies::scattering);
    field("Qabs", &sc::Efficiencies::absorption);
    field("Qback", &sc::Efficiencies::backscattering);
    field("g", &sc::Efficiencies::asymmetry);
    json["angles"] = nlohmann::ordered_json::array();
    for (std::size_t j = 0; j < radians.size(); ++j) {
        nlohmann::ordered_json angle;
        angle["deg"] = request.angles_deg[j];
        double perpendicular = 0, parallel = 0;
        if (amplitudes) {
            angle["S1"] = pair(s[j].s1);
            angle["S2"] = pair(s[j].s2);
            perpendicular = std::norm(s[j].s1);
            parallel = std::norm(s[j].s2);
        } else {
            const auto intensity =
                request.theory == Theory::airy ? sc::airy_intensity : sc::geometric_intensity;
            const double m = request.index.real(), x = request.size_parameter;
            perpendicular = intensity(m, x, 1, radians[j], sc::Polarisation::perpendicular);
            parallel = intensity(m, x, 1, radians[j], sc::Polarisation::parallel);
            angle["S1"] = nullptr;
            angle["S2"] = nullptr;
        }
        angle["S11"] = finite(0.5 * (perpendicular + parallel));
        angle["S12"] = finite(0.5 * (parallel - perpendicular));
        json["angles"].push_back(std::move(angle));
    }
    out << json.dump(1) << '\n';
}

int run_scatter_command(const std::vector<std::string>& args, std::ostream& out,
                        std::ostream& err) {
    try {
        const ScatterRequest request = parse_scatter_arguments(args);
        if (request.help) {
            out << help;
        } else {
            write_scatter(request, out);
        }
        out.flush();
        if (!out) {
            err << "rainbow-scatter: standard output cannot be written\n";
            return 2;
        }
        return 0;
    } catch (const BadArgument& bad) {
        err << "rainbow-scatter: " << bad.what() << " (" << usage << ")\n";
        return 2;
    }
}

}  // namespace rainbow
