// rainbow-scatter: its JSON against the library and Wiscombe's table, and its answers to
// bad arguments.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <nlohmann/json.hpp>
#include <sstream>

#include "tools/scatter_command.h"

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome scatter(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = rainbow::run_scatter_command(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(ScatterCommand, MieAtWiscombesAnglesKeepsHisNumbers) {
    const Outcome run = scatter({"--m", "1.5", "--x", "100", "--angles", "0:180:5"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_NEAR(json["Qext"].get<double>(), 2.094388, 1e-6);
    EXPECT_NEAR(json["Qsca"].get<double>(), 2.094388, 1e-6);
    EXPECT_NEAR(json["Qabs"].get<double>(), 0.0, 1e-6);
    EXPECT_NEAR(json["g"].get<double>(), 0.818246, 1e-6);
    ASSERT_EQ(json["angles"].size(), 37u);
    // Wiscombe's S11 at 0, 90 and 180 degrees.
    struct Row {
        std::size_t index;
        double s11;
    };
    for (const Row row : {Row{0, 0.275508e+08}, Row{18, 0.505356e+03}, Row{36, 0.434048e+04}}) {
        const auto& angle = json["angles"][row.index];
        SCOPED_TRACE(angle["deg"].get<double>());
        EXPECT_NEAR(angle["S11"].get<double>() / row.s11, 1.0, 1e-5);
        const double s1 = std::norm(std::complex<double>(angle["S1"][0], angle["S1"][1]));
        const double s2 = std::norm(std::complex<double>(angle["S2"][0], angle["S2"][1]));
        EXPECT_NEAR(angle["S12"].get<double>(), 0.5 * (s2 - s1), 1e-9 * angle["S11"].get<double>());
    }
    // Forward, Re S(0) = x^2 Qext / 4.
    EXPECT_NEAR(json["angles"][0]["S1"][0].get<double>(), 100.0 * 100.0 * 2.094388 / 4, 0.01);
}

TEST(ScatterCommand, EachTheoryGivesWhatItDefines) {
    struct Row {
        const char* theory;
        bool efficiencies, amplitudes;
    };
    const Row rows[] = {{"mie", true, true},
                        {"debye1", false, true},
                        {"airy", false, false},
                        {"geometric", false, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.theory);
        const Outcome run = scatter({"--m", "1.333", "--radius", "100", "--wavelength", "650",
                                     "--angles", "139:141:1", "--theory", row.theory});
        ASSERT_EQ(run.status, 0) << run.err;
        const auto json = nlohmann::json::parse(run.out);
        for (const char* key : {"Qext", "Qsca", "Qabs", "Qback", "g"})
            EXPECT_EQ(json[key].is_number(), row.efficiencies) << key;
        ASSERT_EQ(json["angles"].size(), 3u);
        for (const auto& angle : json["angles"]) {
            EXPECT_EQ(angle["S1"].is_array(), row.amplitudes);
            EXPECT_EQ(angle["S2"].is_array(), row.amplitudes);
            EXPECT_GT(angle["S11"].get<double>(), 0.0);  // 139-141 deg: inside the primary bow
            EXPECT_TRUE(angle["S12"].is_number());
        }
    }
}

TEST(ScatterCommand, BadArgumentsGiveOneLineAndStatusTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"--x", "10"},
        {"--m", "1.5"},
        {"--m", "abc", "--x", "10"},
        {"--m", "1.5,", "--x", "10"},
        {"--m", "1.5,-0.1", "--x", "10"},
        {"--m", "1.5", "--x", "0"},
        {"--m", "1.5", "--x", "nan"},
        {"--m", "1.5", "--x", "2e5"},
        {"--m", "1.5", "--x", "10", "--radius", "5", "--wavelength", "500"},
        {"--m", "1.5", "--radius", "5"},
        {"--m", "1.5", "--radius", "-5", "--wavelength", "500"},
        {"--m", "1.5", "--x", "10", "--angles", "0:180"},
        {"--m", "1.5", "--x", "10", "--angles", "0:190:5"},
        {"--m", "1.5", "--x", "10", "--angles", "0:180:0"},
        {"--m", "1.5", "--x", "10", "--angles", "0:180:1e-3"},
        {"--m", "1.5", "--x", "10", "--theory", "exact"},
        {"--m", "0.9", "--x", "10", "--theory", "airy"},
        {"--m", "1.33,0.01", "--x", "10", "--theory", "geometric"},
        {"--m", "1.5,0.1", "--x", "5000", "--theory", "debye1"},
        {"--m", "1.5", "--x", "10", "--frobnicate", "1"},
        {"--m", "1.5", "--x"},
        // Beyond the terms the series may need (these aborted or took gigabytes).
        {"--m", "1e10", "--x", "100"},
        {"--m", "1.33,1e300", "--x", "1"},
        {"--m", "1e5", "--x", "1e4"},
        {"--m", "1000", "--x", "1e5"},
        // Below what the series resolves (null efficiencies, or numbers 20 times too large).
        {"--m", "1.5", "--x", "1e-160"},
        {"--m", "1.5", "--x", "1e-8"},
        {"--m", "1e-300", "--x", "1"},
        // No primary bow from m = 2 on; Airy's 1/sin diverges on the axis.
        {"--m", "2", "--x", "100", "--theory", "airy"},
        {"--m", "3.5", "--x", "100", "--theory", "airy", "--angles", "130:140:1"},
        {"--m", "1.33", "--x", "100", "--theory", "airy", "--angles", "178:180:1"},
        {"--m", "1.33", "--x", "100", "--theory", "airy", "--angles", "0:10:1"},
        // Hankel functions beyond a double: found by fuzzing.
        {"--m", "0.333", "--radius", "120", "--wavelength", "649", "--theory", "debye1"},
        // Controls in an argument stay on the one line.
        {"--m", "1.33\nfoo", "--x", "1"},
        {"--m", "1.5", "--x", "1", "--theory", "mie\r\x1B"},
    };
    for (const auto& args : cases) {
        std::string joined;
        for (const auto& a : args) joined += a + " ";
        SCOPED_TRACE(joined);
        const Outcome run = scatter(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.out.empty());
        ASSERT_FALSE(run.err.empty());
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1);  // exactly one line
        for (const char c : run.err.substr(0, run.err.size() - 1))
            EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20) << run.err;
    }
}

// Near the bounds every number the JSON promises is a number, and a small sphere scatters as
// Rayleigh found: Qsca = 8/3 x^4 |K|^2, Qabs = 4 x Im K, g = 0, K = (m^2 - 1) / (m^2 + 2)
// (Bohren and Huffman, eqs. 5.7-5.8); a perfectly conducting one (|m| large) has
// Qsca = 10/3 x^4 and g = -0.4 (their section 5.5; Jackson, 10.1).
TEST(ScatterCommand, AtTheBoundsEveryPromisedNumberIsANumber) {
    struct Row {
        const char* name;
        std::vector<std::string> args;
        double qsca, qabs, g, tolerance;  // qsca < 0: not checked
    };
    const std::complex<double> m(1.5, 0.1);
    const std::complex<double> k = (m * m - 1.0) / (m * m + 2.0);
    const double x = 1e-3;
    const Row rows[] = {
        {"Rayleigh, absorbing",
         {"--m", "1.5,0.1", "--x", "0.001"},
         8.0 / 3.0 * std::pow(x, 4) * std::norm(k),
         4 * x * k.imag(),
         0,
         1e-5},
        {"a perfect conductor's limit",
         {"--m", "1e8", "--x", "0.001"},
         10.0 / 3.0 * std::pow(x, 4),
         0,
         -0.4,
         1e-3},
        {"the largest drop", {"--m", "1.9,0.5", "--x", "1e5"}, -1, 0, 0, 0},
        {"the largest |m| x", {"--m", "200", "--x", "1000"}, -1, 0, 0, 0},
        {"the smallest |m|", {"--m", "0.001", "--x", "1"}, -1, 0, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto args = row.args;
        args.insert(args.end(), {"--angles", "0:180:30"});
        const Outcome run = scatter(args);
        ASSERT_EQ(run.status, 0) << run.err;
        const auto json = nlohmann::json::parse(run.out);
        for (const char* key : {"Qext", "Qsca", "Qabs", "Qback", "g"})
            EXPECT_TRUE(json[key].is_number()) << key;
        for (const auto& angle : json["angles"])
            for (const char* key : {"S11", "S12"}) EXPECT_TRUE(angle[key].is_number()) << key;
        if (row.qsca < 0) continue;
        EXPECT_NEAR(json["Qsca"].get<double>() / row.qsca, 1.0, row.tolerance);
        EXPECT_NEAR(json["Qabs"].get<double>(), row.qabs,
                    row.tolerance * std::abs(row.qabs) + 1e-15);
        EXPECT_NEAR(json["g"].get<double>(), row.g, 1e-3);
    }
}

// Geometric optics on the axis: only the central ray comes back, and the light of its cone
// tends to x^2 T(0) / D'(0)^2, T(0) = (1 - R)^2 R with R = ((m - 1) / (m + 1))^2 at normal
// incidence and D'(0) = 2 - 4 / m.
TEST(ScatterCommand, GeometricOpticsOnTheAxisTakesTheLimitOfTheCentralRay) {
    const Outcome run = scatter(
        {"--m", "1.33", "--x", "100", "--theory", "geometric", "--angles", "179.9:180:0.1"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    const double r = std::pow(0.33 / 2.33, 2), slope = 2 - 4 / 1.33;
    const double limit = 100.0 * 100.0 * (1 - r) * (1 - r) * r / (slope * slope);
    ASSERT_EQ(json["angles"].size(), 2u);
    for (const auto& angle : json["angles"]) {
        SCOPED_TRACE(angle["deg"].get<double>());
        EXPECT_NEAR(angle["S11"].get<double>() / limit, 1.0, 1e-4);
    }
}

TEST(ScatterCommand, HelpStatesTheBounds) {
    const Outcome run = scatter({"--help"});
    ASSERT_EQ(run.status, 0);
    for (const char* bound : {"0.001 to 1e5", "|m| x up to 2e5", "1 < m < 2", "179 degrees"})
        EXPECT_NE(run.out.find(bound), std::string::npos) << bound;
}

// Standard output that takes nothing is a failure, not silence.
TEST(ScatterCommand, AnOutputThatCannotBeWrittenFails) {
    std::ostringstream out, err;
    out.setstate(std::ios::badbit);
    EXPECT_EQ(rainbow::run_scatter_command({"--m", "1.5", "--x", "1"}, out, err), 2);
    EXPECT_NE(err.str().find("cannot be written"), std::string::npos);
}

}  // namespace
