// kelp-cli report and plot run as a user would, without a display: the
// pictures as PNG files, and the refusals of what cannot be drawn or written.
// (What the pages say is held by the golden outputs.)
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/run_cli.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using kelp::testing::CliResult;
using kelp::testing::RunCli;
using kelp::testing::Slurp;
using kelp::testing::TempDir;

const std::string kExample =
    std::string(KELP_SOURCE_DIR) + "/examples/double_box_jump_in_barrel.klp";

// Width and height from a PNG's header; 0 x 0 when it is no PNG.
std::pair<uint32_t, uint32_t> PngSize(const std::string& path) {
    std::string bytes = Slurp(path);
    if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return {0, 0};
    auto word = [&](std::size_t at) {
        uint32_t v = 0;
        for (std::size_t i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
        return v;
    };
    return {word(16), word(20)};
}

TEST(PlotCommand, WritesTheProfileAndEachRatingCurve) {
    TempDir dir;
    std::string profile = dir / "profile.png";
    const CliResult run =
        RunCli({"plot", kExample, "--profile", profile, "--rating", "hw", dir / "hw.png"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(PngSize(profile), std::make_pair(1200u, 800u));
    EXPECT_EQ(PngSize(dir / "hw.png"), std::make_pair(1200u, 800u));
    for (const char* curve : {"depth", "velocity"}) {
        std::string png = dir / (std::string(curve) + ".png");
        ASSERT_EQ(RunCli({"plot", kExample, "--rating", curve, png}).status,
                  0);
        EXPECT_EQ(PngSize(png), std::make_pair(1200u, 800u)) << curve;
    }
}

TEST(DrawCommands, RefuseBadRequestsWithTheirExitStatus) {
    TempDir dir;
    std::string png = dir / "x.png";
    EXPECT_EQ(RunCli({"plot", kExample, "--rating", "froude", png}).status, 64);
    EXPECT_EQ(RunCli({"plot", kExample}).status, 64);
    EXPECT_EQ(RunCli({"report", kExample}).status, 64);
    EXPECT_EQ(RunCli({"report", dir / "missing.klp", "--pdf", dir / "r.pdf"})
                  .status,
              1);
    EXPECT_FALSE(fs::exists(png));
}

// An unwritable output gets KELP's one message; Qt's own complaints about the
// same event (and about the missing runtime folder) show only when asked for.
TEST(DrawCommands, UnwritableOutputGetsOnlyKelpsMessageUnlessVerbose) {
    TempDir dir;
    const std::string pdf = dir / "no/folder/r.pdf", png = dir / "no/folder/p.png";
    const std::vector<std::string> requests[] = {{"report", kExample, "--pdf", pdf},
                                                 {"plot", kExample, "--profile", png}};
    for (const std::vector<std::string>& request : requests) {
        const std::string message = "Cannot write " + request.back() + "\n";
        CliResult quiet = RunCli(request);
        EXPECT_EQ(quiet.status, 4) << request[0];
        EXPECT_EQ(quiet.err, message);
        std::vector<std::string> verbose = request;
        verbose.push_back("--verbose");
        CliResult told = RunCli(verbose);
        EXPECT_EQ(told.status, 4) << request[0];
        EXPECT_GT(told.err.size(), message.size()) << request[0];
        EXPECT_TRUE(told.err.ends_with(message)) << told.err;
    }
}

}  // namespace
