#include "project/project_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "model/gcc12_restrict.h"
#include "model/number_text.h"
#include "support/temp_dir.h"

namespace kelp {
namespace {

namespace fs = std::filesystem;
using testing::Slurp;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
    return lines;
}

// What a save does first: the discharges the reader kept for the form reach
// the model when the form is taken.
void TakeDischarges(InputForm& form) {
    form.model().MinQ = static_cast<float>(*ParseNumber(form.text(Field::txtMinDischarge)));
    form.model().MaxQ = static_cast<float>(*ParseNumber(form.text(Field::txtMaxDischarge)));
}

class ProjectFileTest : public ::testing::Test {
protected:
    void Read(const std::string& text) { ReadProjectText(text, "p.klp", form); }

    Model model;
    InputForm form{model, "2025-06-07"};
};

const char* const kConstantTailwater =
    "\"Name\",\"Loc\",\"2024-05-01\"\r\n"
    "120,100,200,1\r\n"
    "80,2,0,0,0,0,0,0.035\r\n"
    "0,1,6,4,\"Wingwall, 1.5:1 Bevel (18-34 deg. Flare)\",0.012,0.014\r\n"
    "0,100,20,99.8,120,79.8,170,79.55\r\n"
    "1,2,1\r\n";

TEST_F(ProjectFileTest, ConstantTailwaterIsSixLinesAndFillsTheForm) {
    Read(kConstantTailwater);
    EXPECT_EQ(model.DesignQ, 100);
    EXPECT_EQ(model.MinQ, 0);  // kept for the form only
    EXPECT_EQ(form.text(Field::txtMinDischarge), "120");
    EXPECT_EQ(form.text(Field::txtTWbottom), "");  // disabled by the constant option
    EXPECT_EQ(form.text(Field::txtUppersta), "");
    EXPECT_EQ(form.text(Field::txtNOut), "0.014");  // the file's, not the box default
    EXPECT_EQ(form.text(Field::txtDate), "2025-06-07");
    EXPECT_EQ(model.ProjectDate, "2024-05-01");
    EXPECT_EQ(form.text(Field::cboTWMaterial), "Stony bottom, weedy banks, n = 0.035");
    EXPECT_FALSE(form.dataChanged);
    TakeDischarges(form);
    EXPECT_EQ(Lines(ProjectText(model)).size(), 6u);
}

TEST_F(ProjectFileTest, IrregularChannelWritesAllFifteenPoints) {
    model.TWType = 3;
    model.IrrCount = 3;
    model.IrrSta[1] = 0;
    model.IrrElev[1] = 10.5f;
    model.IrrN[2] = 0.035f;
    model.IrrOption = 4;
    std::vector<std::string> lines = Lines(ProjectText(model));
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(lines[6], "0,10.5");
    EXPECT_EQ(lines[20], "0,0");
    EXPECT_EQ(lines[21], "0,0.035,0");
    EXPECT_EQ(lines[22], "0,4,3,0,0");
}

TEST_F(ProjectFileTest, MetricValuesAreWrittenInFeetAndShownInMetres) {
    form.ChooseCircle();
    form.ChooseMaterial("Corr. Metal Pipe");
    model.UnitSystem = 2;
    model.PipeDiameter = 10;
    model.DesignQ = 1;
    model.MaxQ = 1;  // entered in cfs
    model.TWSlope = 0.004f;  // a slope has no unit to convert
    model.TWType = 3;
    model.IrrSta[1] = 12.5f;  // held in feet
    std::string text = ProjectText(model, {&model.PipeDiameter, &model.DesignQ, &model.TWSlope});
    std::vector<std::string> lines = Lines(text);
    EXPECT_EQ(lines[1], "0,35.3147,1,1");
    EXPECT_EQ(lines[2].substr(lines[2].rfind(",0.004")), ",0.004,0");
    EXPECT_EQ(lines[3].substr(0, 9), "32.808,2,");
    EXPECT_EQ(lines[6], "12.5,0");

    Read(text);
    EXPECT_EQ(model.PipeDiameter, 32.808f);
    EXPECT_EQ(form.text(Field::txtDiameter), "10");
    EXPECT_EQ(form.text(Field::txtDesDischarge), "1");
    EXPECT_EQ(model.IrrSta[1], 12.5f);
}

TEST_F(ProjectFileTest, QuotesAndCommasInTextSurviveARoundTrip) {
    model.ProjectName = "Bridge \"B\", north";
    model.ProjectLocation = "Sta 1+00, left";
    std::string text = ProjectText(model);
    EXPECT_EQ(Lines(text)[0].substr(0, 25), "\"Bridge \"\"B\"\", north\",\"St");
    model.ProjectName.clear();
    Read(text);
    EXPECT_EQ(model.ProjectName, "Bridge \"B\", north");
    EXPECT_EQ(form.text(Field::txtStation), "Sta 1+00, left");
}

TEST_F(ProjectFileTest, FieldsAreReadWhateverTheLineBreaks) {
    std::string text = kConstantTailwater;
    KELP_IGNORE_GCC12_RESTRICT_BEGIN
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, ",");
    KELP_IGNORE_GCC12_RESTRICT_END
    Read(text);
    EXPECT_EQ(model.BreakCount, 1);
    EXPECT_EQ(model.OutletElev, 79.55f);
}

TEST_F(ProjectFileTest, ReadErrorsNameTheLineAndField) {
    auto expectError = [&](const std::string& text, int line, const char* field,
                           const char* description) -> std::string {
        try {
            Read(text);
        } catch (const ProjectReadError& e) {
            EXPECT_EQ(e.line(), line);
            EXPECT_EQ(e.field(), field);
            EXPECT_EQ(e.description(), description);
            return e.what();
        }
        ADD_FAILURE() << "no error for " << field;
        return {};
    };
    EXPECT_EQ(expectError("\"a\",\"b\",\"c\"\r\n120\r\n", 2, "DesignQ", "Input past end of file"),
              "p.klp: line 2, field `DesignQ`: Input past end of file");
    expectError("\"a\",\"b\",\"c\"\r\n120,abc,200,1\r\n", 2, "DesignQ", "Type mismatch");
    expectError("\"a\",\"b\",\"c\"\r\n120,1e39,200,1\r\n", 2, "DesignQ", "Overflow");
    std::string irregular = std::string(kConstantTailwater).replace(
        std::string(kConstantTailwater).rfind("1,2,1"), 5, "3,2,2");
    expectError(irregular, 7, "IrrSta(1)", "Input past end of file");
    for (int i = 0; i < 15; ++i) irregular += "1,2\r\n";
    expectError(irregular + "0.06,0.035,2\r\n0.1,4,40000,1,2\r\n", 23, "IrrCount", "Overflow");
    EXPECT_EQ(model.IrrN[3], 2);  // what was read before the fault stays

    try {
        ReadProjectFile("/nonexistent/x.klp", form);
        ADD_FAILURE();
    } catch (const ProjectReadError& e) {
        EXPECT_EQ(e.line(), 0);
        EXPECT_EQ(e.description(), "File not found");
    }
}

// Paths that cannot hold a project are refused by name before anything is
// read: a device that never ends, a pipe that would wait for a writer, a
// folder, a file over 1 MiB. A project padded to exactly 1 MiB still opens.
TEST_F(ProjectFileTest, OnlyARegularFileOfAProjectsSizeIsRead) {
    testing::TempDir dir;
    const std::string project = std::string(kConstantTailwater);
    const std::string full = dir / "full.klp", over = dir / "over.klp", pipe = dir / "pipe.klp";
    testing::Spit(full, project + std::string((1 << 20) - project.size(), ' '));
    testing::Spit(over, project + std::string((1 << 20) + 1 - project.size(), ' '));
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string notRegular = ": not a regular file, so not a project";
    const struct {
        std::string path, description;
    } refused[] = {{"/dev/zero", "/dev/zero" + notRegular},
                   {pipe, pipe + notRegular},
                   {dir.path().string(), dir.path().string() + notRegular},
                   {over, over + ": larger than 1 MiB, so not a project"}};
    form.SetText(Field::txtDesDischarge, "7");
    for (const auto& r : refused) {
        try {
            ReadProjectFile(r.path, form);
            ADD_FAILURE() << r.path;
        } catch (const ProjectReadError& e) {
            EXPECT_EQ(e.description(), r.description);
            EXPECT_STREQ(e.what(), r.description.c_str());
        }
        EXPECT_EQ(form.text(Field::txtDesDischarge), "7") << r.path;
    }
    ReadProjectFile(full, form);
    EXPECT_EQ(form.text(Field::txtDesDischarge), "100");
}

TEST_F(ProjectFileTest, FailedWriteLeavesNoTrace) {
    testing::TempDir dir;
    fs::create_directories(dir.path() / "taken");
    std::ofstream(dir / "taken/x") << "x";
    Write2File(model, dir / "a.klp");
    EXPECT_EQ(Slurp(dir / "a.klp"), ProjectText(model));
    EXPECT_THROW(Write2File(model, dir / "taken"), ProjectWriteError);
    EXPECT_THROW(Write2File(model, dir / "no/b.klp"), ProjectWriteError);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
}

TEST_F(ProjectFileTest, ReferenceProjectsReadAndWriteBackByteForByte) {
    fs::path dir = KELP_REFERENCE_DIR;
    ASSERT_TRUE(fs::is_directory(dir)) << "no reference projects at " << dir;
    int count = 0;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.path().extension() != ".klp") continue;
        ++count;
        Model fresh;
        InputForm opened(fresh, "2025-06-07");
        ReadProjectFile(entry.path().string(), opened);
        TakeDischarges(opened);
        EXPECT_EQ(ProjectText(fresh), Slurp(entry.path().string())) << entry.path();
        // The inlet of the file, not the form's default, is what an analysis uses.
        EXPECT_EQ(opened.text(Field::cboBoxinlet), fresh.InletType) << entry.path();
    }
    EXPECT_GE(count, 6);
}

}  // namespace
}  // namespace kelp
