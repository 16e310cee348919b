// Runs the built kelp-cli as a user would: the reference projects, the bundled
// examples and the command line's own errors.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "cli/run_cli.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

using kelp::testing::CliResult;
using kelp::testing::RunCli;
using kelp::testing::Slurp;
using kelp::testing::TempDir;

json Answer(const std::string& command, const fs::path& project) {
    CliResult r = RunCli({command, project.string(), "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    return r.status == 0 ? json::parse(r.out) : json::object();
}

// Numbers agree as 32-bit floats: equal, or within 0.002 absolute or 1e-4
// relative; texts exactly; arrays element by element; warnings are not compared.
void ExpectSame(const json& expected, const json& actual, const std::string& where) {
    if (expected.is_object()) {
        ASSERT_TRUE(actual.is_object()) << where;
        ASSERT_EQ(expected.size(), actual.size() - actual.count("Warnings")) << where;
        for (const auto& [key, value] : expected.items()) {
            ASSERT_TRUE(actual.contains(key)) << where << "." << key;
            ExpectSame(value, actual[key], where + "." + key);
        }
    } else if (expected.is_array()) {
        ASSERT_EQ(expected.size(), actual.size()) << where;
        for (std::size_t i = 0; i < expected.size(); ++i)
            ExpectSame(expected[i], actual[i], where + "[" + std::to_string(i) + "]");
    } else if (expected.is_number()) {
        ASSERT_TRUE(actual.is_number()) << where;
        float e = expected.get<float>(), a = actual.get<float>();
        double diff = std::fabs(static_cast<double>(e) - a);
        EXPECT_TRUE(diff <= 0.002 || diff <= 1e-4 * std::fabs(e)) << where << ": " << e << " vs " << a;
    } else {
        EXPECT_EQ(expected, actual) << where;
    }
}

TEST(ReferenceProjects, AnswersAndRefusalsMatch) {
    ASSERT_TRUE(fs::is_directory(KELP_REFERENCE_DIR)) << "no reference projects at " KELP_REFERENCE_DIR;
    int projects = 0;
    for (const auto& entry : fs::directory_iterator(KELP_REFERENCE_DIR)) {
        if (entry.path().extension() != ".klp") continue;
        ++projects;
        for (std::string command : {"design", "range"}) {
            SCOPED_TRACE(entry.path().filename().string() + " " + command);
            fs::path stem = entry.path();
            stem.replace_extension("." + command);
            if (fs::exists(stem.string() + ".json")) {
                ExpectSame(json::parse(Slurp(stem.string() + ".json")), Answer(command, entry.path()), command);
                continue;
            }
            std::istringstream expected(Slurp(stem.string() + ".err"));
            std::string exitLine, message;
            std::getline(expected, exitLine);
            std::getline(expected, message);
            CliResult r = RunCli({command, entry.path().string(), "--json"});
            EXPECT_EQ("exit " + std::to_string(r.status), exitLine);
            EXPECT_EQ(r.err, message + "\n");
            EXPECT_TRUE(r.out.empty());
        }
    }
    EXPECT_GE(projects, 6);
}

TEST(CommandLine, UnreadableFilesAndUsageErrors) {
    CliResult missing = RunCli({"design", "/nonexistent/culvert.klp"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("/nonexistent/culvert.klp"), std::string::npos) << missing.err;
    TempDir dir;
    const std::string garbled = dir / "garbled.klp";
    std::ofstream(garbled, std::ios::binary) << "\"Garbled\",\"x\",\"y\"\r\n10,abc,30,1\r\n";
    EXPECT_EQ(RunCli({"range", garbled}).status, 1);
    CliResult endless = RunCli({"design", "/dev/zero"});
    EXPECT_EQ(endless.status, 1);
    EXPECT_EQ(endless.err, "/dev/zero: not a regular file, so not a project\n");

    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"design", "x.klp", "--frobnicate"},
          std::vector<std::string>{"analyse", "x.klp"}, std::vector<std::string>{"range"},
          std::vector<std::string>{}}) {
        CliResult bad = RunCli(args);
        EXPECT_EQ(bad.status, 64);
        EXPECT_NE(bad.err.find("usage: kelp-cli"), std::string::npos) << bad.err;
    }
}

fs::path Example(const std::string& name) {
    return fs::path(KELP_SOURCE_DIR) / "examples" / (name + ".klp");
}

TEST(Examples, DoubleBoxJumpsInsideTheOutletSection) {
    json d = Answer("design", Example("double_box_jump_in_barrel"));
    double lowerBreak = d["InletSectionLength"].get<double>() + d["SteepSectionLength"].get<double>();
    EXPECT_EQ(d["JumpFlag"], "YES");
    EXPECT_EQ(d["Control"], 2);
    EXPECT_GT(d["JumpStation"].get<double>(), lowerBreak);
    EXPECT_LT(d["JumpStation"].get<double>() + d["JumpLength"].get<double>(),
              lowerBreak + d["OutletSectionLength"].get<double>());
}

TEST(Examples, IrregularChannelTailwaterFlowsWithinTheMainChannelAtEveryRow) {
    const double outletElev = 391.4, rightBank = 396.8;
    json d = Answer("design", Example("irregular_channel_tailwater"));
    EXPECT_NEAR(d["TWElev"].get<double>(), outletElev + d["TWDepth"].get<double>(), 1e-3);
    EXPECT_LT(d["TWElev"].get<double>(), rightBank);
    json range = Answer("range", Example("irregular_channel_tailwater"));
    double previous = 0;
    for (const json& row : range["rows"]) {
        EXPECT_GT(row["TableTWDepth"].get<double>(), previous);
        EXPECT_GT(row["TableTWVel"].get<double>(), 0.0);
        EXPECT_TRUE(row["Warnings"].empty()) << row["TableQ"];  // rated in its normal state
        previous = row["TableTWDepth"];
    }
}

TEST(CommandLine, Hy8WritesBothFilesIntoTheFolderGiven) {
    TempDir dir;
    const std::string project = Example("double_box_jump_in_barrel").string();
    CliResult r = RunCli({"hy8", project, "--name", "RUN.DAT", "--dir", dir.path().string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::exists(dir / "RUN.INP") && fs::exists(dir / "RUN.PC"));
    EXPECT_EQ(RunCli({"hy8", project, "--name", "RUN"}).status, 64);
    EXPECT_EQ(RunCli({"hy8", project, "--name", "RUN", "--dir", dir / "none"}).status, 4);
}

}  // namespace
