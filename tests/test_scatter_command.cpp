// rainbow-scatter: its JSON against the library and Wiscombe's table, and its answers to
// bad arguments.
#include <gtest/gtest.h>

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
    }
}

}  // namespace
