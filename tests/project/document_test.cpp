#include "project/document.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

#include "form/runs.h"
#include "form/take_fields.h"
#include "form/unit_switch.h"
#include "project/project_file.h"
#include "support/double_box.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"

namespace kelp {
namespace {

using testing::ScriptedPrompts;
using testing::Slurp;
using testing::TempDir;

// The double box every check passes, with the design discharge given.
void Fill(InputForm& form, const std::string& design) {
    testing::FillDoubleBox(form);
    form.SetText(Field::txtDesDischarge, design);
}

// The design discharge a project file holds (line 2, second field).
std::string SavedDesign(const std::string& path) {
    std::string text = Slurp(path);
    std::size_t line2 = text.find("\r\n") + 2;
    std::size_t first = text.find(',', line2) + 1;
    return text.substr(first, text.find(',', first) - first);
}

class DocumentTest : public ::testing::Test {
protected:
    DocumentTest() {
        Model other;
        InputForm form(other, "2024-05-01");
        Fill(form, "150");
        TakeFields(form);
        Write2File(other, existing);
    }
    const std::string& Design() { return doc.form().text(Field::txtDesDischarge); }
    void OpenExisting() {
        prompts.files.push_back(existing);
        doc.Open();
    }

    TempDir dir;
    std::string existing = dir / "Existing.klp";
    Model model;
    ScriptedPrompts prompts;
    Document doc{model, prompts, [] { return std::string("2024-05-01"); }};
};

TEST_F(DocumentTest, NewAsksOnlyForAFilledFormBeforeItsSaveAsDialog) {
    EXPECT_EQ(doc.WindowTitle(), "KELP : UNTITLED");
    doc.form().SetText(Field::txtProject, "P");
    prompts.files = {""};
    EXPECT_FALSE(doc.New());
    EXPECT_TRUE(prompts.boxes.empty() && prompts.dialogs[0].save && doc.DataChanged());
    EXPECT_EQ(prompts.dialogs[0].initial, 3);
    EXPECT_EQ(prompts.dialogs[0].filters[2].description, "KELP Files (*.klp)");
    EXPECT_EQ(doc.form().text(Field::txtProject), "P");

    Fill(doc.form(), "120");
    prompts.answers = {Answer::Yes};
    prompts.files = {dir / "new.klp"};
    doc.New();
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Save current file?"});
    EXPECT_EQ(SavedDesign(dir / "new.klp"), "120");
    EXPECT_EQ(Design() + doc.form().text(Field::txtProject), "");
    EXPECT_FALSE(doc.DataChanged());

    Fill(doc.form(), "130");
    prompts.answers = {Answer::No};
    EXPECT_TRUE(doc.New());
    EXPECT_EQ(Design(), "");
    EXPECT_TRUE(prompts.Spent());
}

TEST_F(DocumentTest, OpenAsksToSaveChangesAndTheYesSavesToTheCurrentFile) {
    doc.form().SetText(Field::txtDesDischarge, "99");
    prompts.answers = {Answer::Cancel};
    doc.Open();
    EXPECT_TRUE(prompts.dialogs.empty() && doc.DataChanged());
    EXPECT_EQ(prompts.boxes[0].text, "WISH TO SAVE : UNTITLED BEFORE OPENING OTHER FILE ?");

    // Untitled: the name is asked for, and cancelling it ends the Open.
    Fill(doc.form(), "110");
    prompts.answers = {Answer::Yes, Answer::Yes};
    prompts.files = {"", dir / "first.klp", existing};
    doc.Open();
    EXPECT_EQ(prompts.dialogs.size(), 1u);
    doc.Open();
    EXPECT_EQ(SavedDesign(dir / "first.klp"), "110");
    EXPECT_TRUE(prompts.dialogs[1].save && !prompts.dialogs[2].save);
    EXPECT_EQ(prompts.dialogs[2].filters[0].description, "KELP Files(*.klp)");
    EXPECT_EQ(Design(), "150");
    EXPECT_EQ(doc.WindowTitle(), "KELP : " + existing);
    EXPECT_FALSE(doc.DataChanged());

    // After an Open the Yes writes the opened file, without a dialog.
    doc.form().SetText(Field::txtDesDischarge, "160");
    prompts.answers = {Answer::Yes};
    prompts.files = {""};
    doc.Open();
    EXPECT_EQ(SavedDesign(existing), "160");
    EXPECT_EQ(prompts.dialogs.size(), 4u);

    // No drops the changes; a name that does not exist reads nothing.
    doc.form().SetText(Field::txtDesDischarge, "170");
    prompts.answers = {Answer::No};
    prompts.files = {dir / "none.klp"};
    doc.Open();
    EXPECT_EQ(doc.ProjectFileName(), dir / "none.klp");
    EXPECT_EQ(Design(), "170");
    EXPECT_EQ(prompts.boxes.size(), 5u);
    EXPECT_TRUE(prompts.Spent());
}

TEST_F(DocumentTest, SaveAsksEachTimeWhileUntitledAndSaveAsRenamesTheDocument) {
    Fill(doc.form(), "120");
    std::string target = dir / "target.klp";
    prompts.files = {target, target};
    prompts.answers = {Answer::Yes};
    doc.Save();
    EXPECT_FALSE(doc.DataChanged());
    doc.Save();
    EXPECT_EQ(prompts.dialogs.size(), 2u);
    EXPECT_EQ(doc.WindowTitle(), "KELP : UNTITLED");

    // After Save As the document is the saved file.
    prompts.files = {target};
    prompts.answers = {Answer::Yes};
    doc.form().SetText(Field::txtDesDischarge, "125");
    doc.SaveAs();
    EXPECT_EQ(doc.WindowTitle(), "KELP : " + target);
    doc.form().SetText(Field::txtDesDischarge, "126");
    doc.Save();
    EXPECT_EQ(SavedDesign(target), "126");
    EXPECT_EQ(prompts.dialogs.size(), 3u);
    EXPECT_TRUE(prompts.Spent());
}

// The commands that ask for a name in the save-as dialog, with the answers
// to what they ask before it.
struct SaveCommand {
    const char* name;
    void (*run)(Document&);
    std::deque<Answer> before;
};
const SaveCommand kSaveCommands[] = {
    {"Save", [](Document& d) { d.Save(); }, {}},
    {"SaveAs", [](Document& d) { d.SaveAs(); }, {}},
    {"New", [](Document& d) { d.New(); }, {Answer::Yes}},
};

TEST_F(DocumentTest, NoToOverwriteAsksForAnotherNameUntilANewNameOrCancel) {
    for (const SaveCommand& command : kSaveCommands) {
        SCOPED_TRACE(command.name);
        Model m;
        ScriptedPrompts p;
        Document d(m, p, [] { return std::string("2024-05-01"); });
        Fill(d.form(), "135");
        std::string fresh = dir / (std::string(command.name) + ".klp");
        for (const std::string& second : {std::string(), fresh}) {
            p.answers = command.before;
            p.answers.push_back(Answer::No);
            p.files = {existing, second};
            command.run(d);
        }
        EXPECT_EQ(p.dialogs.size(), 4u);
        EXPECT_EQ(p.boxes.back().text, "File has existed.  Do you wish to\noverwrite this file?");
        EXPECT_EQ(SavedDesign(existing), "150");
        EXPECT_EQ(SavedDesign(fresh), "135");
        EXPECT_TRUE(p.Spent());
    }
}

TEST_F(DocumentTest, AnEmptyOrNonNumericFieldStopsEverySaveWithTheSameMessage) {
    Fill(doc.form(), "120");
    for (const char* span : {"", "wide"}) {
        for (const SaveCommand& command : kSaveCommands) {
            SCOPED_TRACE(command.name + std::string(" span \"") + span + "\"");
            doc.form().SetText(Field::txtSpan, span);
            prompts.answers = command.before;
            prompts.files = {dir / "other.klp"};
            command.run(doc);
            EXPECT_EQ(prompts.boxes.back().text, "Input data is insufficient !");
            EXPECT_FALSE(std::filesystem::exists(dir / "other.klp"));
            EXPECT_EQ(doc.form().text(Field::txtDesDischarge), "120");
        }
    }
}

TEST_F(DocumentTest, SavingWritesTheFormAndLeavesTheLastAnalysisInTheModel) {
    // Opened in metric units, the fields show metres but keep the numbers read.
    UnitSwitch units(doc.form());
    units.ChooseMetric();
    OpenExisting();
    EXPECT_EQ(Design(), "4.247523");
    ASSERT_EQ(RunDesign(doc.form()).kind, RunOutcome::Kind::Analysed);
    const std::string analysed = ProjectText(model);

    std::string copy = dir / "copy.klp";
    prompts.files = {copy};
    doc.SaveAs();
    EXPECT_EQ(Slurp(copy), Slurp(existing));
    // The barrel roughness still being edited reaches the outlet section.
    doc.form().SetText(Field::txtBoxrough, "0.016");
    doc.Save();
    EXPECT_NE(Slurp(copy).find(",0.016,0.016\r\n"), std::string::npos);
    doc.form().SetText(Field::txtProject, "changed");
    prompts.answers = {Answer::Yes};
    EXPECT_TRUE(doc.Exit());
    EXPECT_EQ(Slurp(copy).substr(0, 10), "\"changed\",");
    EXPECT_EQ(ProjectText(model), analysed);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"WISH TO SAVE FILE BEFORE EXITING ?"});
}

// A unit switch rewrites the fields' texts but not the numbers they stand
// for: 90 cfs shown as 2.549 cms is still 90 cfs when saved or analysed.
TEST_F(DocumentTest, AUnitSwitchChangesNoNumberTheUserDidNotEdit) {
    const std::vector<std::vector<bool>> switches = {{true}, {true, false}, {true, false, true}};
    for (const std::vector<bool>& metricChoices : switches) {
        SCOPED_TRACE(metricChoices.size());
        Model m;
        ScriptedPrompts p;
        Document d(m, p, [] { return std::string("2024-05-01"); });
        UnitSwitch units(d.form());
        Fill(d.form(), "90");
        d.form().SetText(Field::txtLowersta, "120");
        d.form().SetText(Field::txtOutletelev, "223.7");
        for (bool metric : metricChoices) metric ? units.ChooseMetric() : units.ChooseEnglish();
        std::string path = dir / ("switched" + std::to_string(metricChoices.size()) + ".klp");
        p.files = {path};
        d.Save();
        std::string text = Slurp(path);
        EXPECT_NE(text.find("\r\n30,90,400,1\r\n"), std::string::npos) << text;
        EXPECT_NE(text.find("\r\n0,250,30,249.7,120,225.7,240,223.7\r\n"), std::string::npos)
            << text;
        ASSERT_EQ(RunDesign(d.form()).kind, RunOutcome::Kind::Analysed);
        EXPECT_EQ(m.DesignQ, 90.0f);
        EXPECT_EQ(m.UpperBreakElev, 249.7f);
        EXPECT_DOUBLE_EQ(m.ShownOutletSlope, 0.0167);  // 0.0166 from the metric texts
    }
}

// A project named on the command line becomes the document's file; a file
// that cannot be read, or a save that fails, leaves everything as it was.
TEST_F(DocumentTest, OpenPathFailedSavesAndUnreadableFilesLeaveEverythingAsItWas) {
    ASSERT_TRUE(doc.OpenPath(existing));
    EXPECT_EQ(Design(), "150");
    EXPECT_EQ(doc.WindowTitle(), "KELP : " + existing);
    EXPECT_FALSE(doc.DataChanged());
    std::filesystem::create_directory(existing + ".kelp-tmp");  // blocks the write
    doc.form().SetText(Field::txtDesDischarge, "180");
    doc.Save();
    EXPECT_EQ(prompts.boxes.back().text.rfind("Error has occurred in Write2File : ", 0), 0u);
    EXPECT_EQ(SavedDesign(existing), "150");
    EXPECT_TRUE(doc.DataChanged());

    EXPECT_FALSE(doc.OpenPath(dir / "missing.klp"));
    EXPECT_EQ(prompts.boxes.back().text, " Program Error: File not found RadingTheFile ");
    std::string cut = dir / "cut.klp";
    testing::Spit(cut, "\"A\",\"B\",\"C\"\r\n1,2,3,1\r\n9");
    prompts.answers = {Answer::No};
    prompts.files = {cut};
    doc.Open();
    EXPECT_EQ(prompts.boxes.back().text, " Program Error: Input past end of file RadingTheFile ");
    EXPECT_EQ(Design(), "180");
    EXPECT_EQ(model.DesignQ, 150.0f);  // as the first Open read it
    EXPECT_EQ(doc.ProjectFileName(), existing);
    EXPECT_TRUE(prompts.Spent());
}

TEST_F(DocumentTest, ExitCancelKeepsRunningAndYesSavesToTheCurrentFile) {
    EXPECT_TRUE(doc.Exit());
    Fill(doc.form(), "120");
    prompts.answers = {Answer::Cancel, Answer::Yes, Answer::Yes};
    prompts.files = {"", dir / "exit.klp"};
    EXPECT_FALSE(doc.Exit());
    EXPECT_EQ(prompts.boxes[0].text, "WISH TO SAVE FILE BEFORE EXITING ?");
    EXPECT_EQ(prompts.boxes[0].icon, Icon::Question);
    EXPECT_FALSE(doc.Exit());  // the name was not given: nothing to lose
    EXPECT_TRUE(doc.Exit());
    EXPECT_EQ(SavedDesign(dir / "exit.klp"), "120");
    EXPECT_EQ(doc.WindowTitle(), "KELP : " + dir / "exit.klp");

    OpenExisting();
    doc.form().SetText(Field::txtDesDischarge, "190");
    prompts.answers = {Answer::No, Answer::Yes};
    EXPECT_TRUE(doc.Exit());
    EXPECT_EQ(SavedDesign(existing), "150");
    EXPECT_TRUE(doc.Exit());
    EXPECT_EQ(SavedDesign(existing), "190");
    EXPECT_TRUE(prompts.Spent());
}

}  // namespace
}  // namespace kelp
