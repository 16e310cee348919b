#include "results/hy8_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "support/hy8_doubles.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"

namespace kelp {
namespace {

using testing::MemorySettings;
using testing::RecordingLauncher;
using testing::ScriptedPrompts;
using testing::Slurp;
using testing::Spit;
using testing::TempDir;

// An analysed double box whose values make every pattern show: a zero under
// "#.00", a half that rounds up, whole numbers under "0.".
void Analysed(Model& m) {
    m.BarrelQ = 125.5f, m.CulvertShape = 2, m.NBarrels = 2;
    m.LowerBreakSta = 150, m.LowerBreakElev = 225.7f, m.OutletSta = 240, m.OutletElev = 225.25f;
    m.OutletSectionLength = 90, m.OutletSectionSlope = 0.005f;
    m.BarrelWidth = 8, m.BarrelHeight = 5, m.CulvertN = 0.012f;
    m.TWShape = 2, m.TWBottomWidth = 10, m.TWLeftSlope = 2, m.TWSlope = 0.004f, m.TWN = 0.035f;
    m.TWDepth = 3.25f, m.TWVelocity = 4.5f;
    m.InletElev = 250, m.HWDepth = 6.125f, m.InletControlElev = 256.125f, m.BreakControlElev = 0;
    m.NormalDepthOutlet = 1.5f, m.CriticalDepth = 2.75f, m.OutletVelocity = 9.8f;
    m.OutletDepth = 1.6f, m.DepthLowerBreak = 1.45f;
    m.ProfileIndex = 3, m.ProfileDepth[3] = 1.62f;
}

// The start of the input file, and the performance file's rows: the
// discharge of one barrel, the headwater elevation rounded half up, a break
// control depth of none as ".00".
constexpr const char* kInputStart =
    "RUN\r\nVERSION 6.0\r\n05/01/2024\r\n      0.000    125.500    125.500      1.000\r\n";
constexpr const char* kPerformanceRow =
    "\r\n  125.50    256.13    6.13     .00  1 \"2Sn\"   1.50    2.75    9.80   1.60    4.50   "
    "3.25\r\n";

// HY-8 installed as root/bin/HY8.EXE, its data folder root/HY8.
class Hy8ExportTest : public ::testing::Test {
protected:
    Hy8ExportTest() {
        Analysed(model);
        std::filesystem::create_directories(root.path() / "bin");
        std::filesystem::create_directories(root.path() / "HY8");
        Spit(program, "");
        Spit(config, "HY-8 6.0\r\nD:\\HY8\r\n");
    }
    Hy8Outcome Export(ScriptedPrompts& prompts) {
        return ExportToHy8(model, prompts, settings, launcher,
                           [] { return CalendarDate{2024, 5, 1}; });
    }
    std::string& Remembered() { return settings.values["KELP/HY8INFO/path"]; }

    Model model;
    TempDir root;
    std::string program = root / "bin/HY8.EXE", config = root / "HY8/HY8.CNF";
    MemorySettings settings;
    RecordingLauncher launcher;
};

TEST_F(Hy8ExportTest, AsksForThePathWritesCutNameShowsStepsAndStartsInTheDataFolder) {
    model.UnitSystem = 2;
    ScriptedPrompts prompts;
    prompts.files = {program};
    prompts.inputs = {"RUN.DAT"};
    prompts.answers = {Answer::Ok};
    EXPECT_EQ(Export(prompts), Hy8Outcome::Started);
    EXPECT_EQ(prompts.boxes[0].text, "Please provide path of HY-8");
    // Only on Windows does HY-8 end in .exe, which the dialog then offers first.
    const testing::ShownDialog& dialog = prompts.dialogs[0];
#ifdef _WIN32
    EXPECT_EQ(dialog.filters.at(dialog.initial - 1).description, "EXE Files(*.exe)");
#else
    EXPECT_EQ(dialog.filters.at(dialog.initial - 1).description, "All Files (*.*)");
#endif
    const testing::ShownInput& input = prompts.inputBoxes[0];
    EXPECT_EQ(input.prompt,
              "Please enter the filename to be used in HY8\nOr,click on OK to use KELP in HY8");
    EXPECT_EQ(input.title + input.initial, "KELPKELP");
    EXPECT_EQ(prompts.boxes[1].buttons, Buttons::OkCancel);
    EXPECT_EQ(prompts.boxes[1].text,
              "HY8 input and output files have been created\n"
              "HY8 should be used only for Energy Dissipation at this time\n"
              "Any other option will create errors and the Dissipator option will not operate "
              "properly\n \nFollow steps to start Energy Dissipator\n"
              "Step1: Press \"D\" then type \"RUN\" to set up Culvert and Output files\n"
              "Step2: Press \"J\" to enter the Engery Dissipator");
    // Written in English units whatever the windows show.
    EXPECT_EQ(Slurp(root / "HY8/RUN.INP").rfind(kInputStart, 0), 0u);
    EXPECT_NE(Slurp(root / "HY8/RUN.PC").find(kPerformanceRow), std::string::npos);
    EXPECT_EQ(launcher.started.at(0), std::make_pair(program, root / "HY8"));
    EXPECT_EQ(Remembered(), program);
}

TEST_F(Hy8ExportTest, CancelsEndQuietlyAndFailuresAreReportedLeavingWrittenFiles) {
    ScriptedPrompts prompts;
    prompts.files = {"", program, program};
    prompts.inputs = {"KELP", ""};
    prompts.answers = {Answer::Cancel};
    EXPECT_EQ(Export(prompts), Hy8Outcome::Abandoned);
    EXPECT_EQ(Export(prompts), Hy8Outcome::Cancelled);
    EXPECT_FALSE(std::filesystem::exists(root / "HY8/KELP.INP"));
    EXPECT_FALSE(std::filesystem::exists(root / "HY8/KELP.PC"));
    EXPECT_EQ(Export(prompts), Hy8Outcome::Abandoned);
    EXPECT_EQ(prompts.boxes.size(), 4u);  // three path requests, one set of steps
    EXPECT_TRUE(launcher.started.empty() && Remembered().empty() && prompts.Spent());

    Remembered() = program;
    const std::pair<std::function<void()>, std::string> failures[] = {
        {[&] { std::filesystem::remove(config); }, "Error 53: File not found"},
        {[&] { Spit(config, "one line\r\n"); }, "Error 62: Input past end of file"},
        {[&] { launcher.works = false; }, "Error 75: Path/File access error"},
        {[&] { std::filesystem::remove(program); }, "Error 53: File not found"},
    };
    for (const auto& [breakIt, message] : failures) {
        Spit(config, "HY-8\r\nD:\\HY8\r\n");
        breakIt();
        ScriptedPrompts answering;
        answering.inputs = {"KELP"};
        answering.answers = {Answer::Ok};
        EXPECT_EQ(Export(answering), Hy8Outcome::Failed);
        EXPECT_EQ(answering.boxes.back().text, message + " occurred while starting HY-8");
    }
    EXPECT_TRUE(std::filesystem::exists(root / "HY8/KELP.PC"));
}

}  // namespace
}  // namespace kelp
