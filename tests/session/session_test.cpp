#include "session/session.h"

#include <gtest/gtest.h>

#include "support/double_box.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"

namespace kelp {
namespace {

using testing::ScriptedPrompts;

class SessionTest : public ::testing::Test {
protected:
    SessionTest() { testing::FillDoubleBox(session.form()); }

    Model model;
    ScriptedPrompts prompts;
    Session session{model, prompts, [] { return std::string("2024-05-01"); }};
};

// A unit chosen on a result window lasts until it returns; meanwhile the
// input form's commands read and write its fields in the form's own unit.
TEST_F(SessionTest, InputFormCommandsWorkInItsUnitWhileAResultWindowShowsTheOther) {
    ASSERT_EQ(session.AnalyseDesign().kind, RunOutcome::Kind::Analysed);
    session.ChooseResultUnit(true);
    EXPECT_EQ(session.UnitSystemOf(WindowKind::Output), 2.0f);
    EXPECT_EQ(session.UnitSystemOf(WindowKind::Input), 1.0f);
    EXPECT_EQ(session.ResultTexts().discharge.value, "3.398");

    testing::TempDir dir;
    prompts.files = {dir / "saved.klp"};
    session.Save();
    EXPECT_NE(testing::Slurp(dir / "saved.klp").find("\r\n30,120,400,1\r\n"), std::string::npos);
    EXPECT_EQ(model.UnitSystem, 2.0f);

    ASSERT_EQ(session.AnalyseRange().kind, RunOutcome::Kind::Analysed);
    EXPECT_EQ(model.UnitSystem, 1.0f);
    EXPECT_EQ(session.RatingTableTexts().rows[3].cells[0], "120.0");
    EXPECT_TRUE(prompts.Spent());
}

TEST_F(SessionTest, TheResultFormReturnsToWhereItsAnalysisCameFrom) {
    struct Case { bool range; bool viaMenu; WindowKind to; };
    for (Case c : {Case{false, false, WindowKind::Input}, Case{false, true, WindowKind::Table},
                   Case{true, false, WindowKind::Table}}) {
        c.range ? session.AnalyseRange() : session.AnalyseDesign();
        session.ChooseResultUnit(true);
        EXPECT_EQ(session.ReturnFromOutput(c.viaMenu), c.to) << c.range << c.viaMenu;
        EXPECT_EQ(model.UnitSystem, 1.0f);
    }
}

TEST_F(SessionTest, FaultsEndTheRunsWithTheirMessages) {
    // A zero-length outlet section: the slopes shown are noticed first.
    session.form().SetText(Field::txtOutletsta, "150");
    session.Tell(session.AnalyseRange());
    const std::string failure =
        "KELP IS UNABLE TO PERFORM TASK, AN ERROR OCCURED DURING PROCESSING";
    EXPECT_EQ(prompts.Texts(), (std::vector<std::string>{
                                   "Error:Division by zero occurred in CalSlope", failure}));
    EXPECT_EQ(prompts.boxes.back().title, "KELP Monitor");
    EXPECT_EQ(prompts.boxes.back().icon, Icon::Exclamation);
    EXPECT_FALSE(prompts.busy);

    // A row beyond the table is a fault of the row's detail.
    EXPECT_FALSE(session.AnalyseRow(11));
    EXPECT_EQ(prompts.boxes.back().text, failure);
    EXPECT_FALSE(prompts.busy);
}

TEST_F(SessionTest, ARefusedRunTellsItsMessageAndFocusesItsField) {
    session.form().SetText(Field::txtMinDischarge, "150");
    RunOutcome outcome = session.AnalyseDesign();
    EXPECT_EQ(outcome.kind, RunOutcome::Kind::Refused);
    EXPECT_TRUE(prompts.boxes.empty());
    session.Tell(outcome);
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{
                                   "Program Error:  Design discharge must be greater than "
                                   "minimum discharge"});
    EXPECT_EQ(prompts.focused, std::vector<Field>{Field::txtDesDischarge});
}

// The report prints the table and the design discharge's results: the table
// keeps its rows while the model ends on the design discharge.
TEST_F(SessionTest, TheReportAnalysesTheTableThenTheDesignDischarge) {
    ASSERT_EQ(session.AnalyseForReport().kind, RunOutcome::Kind::Analysed);
    EXPECT_EQ(model.AnalysisQ, 120.0f);
    EXPECT_EQ(model.RunMode, 1);
    EXPECT_EQ(session.ratingTable().TableQ[10], 400.0f);

    ASSERT_TRUE(session.AnalyseRow(10));
    EXPECT_EQ(model.AnalysisQ, 400.0f);
    EXPECT_EQ(model.HWDepth, session.ratingTable().TableHW[10]);

    session.form().SetText(Field::txtMaxDischarge, "100");
    EXPECT_EQ(session.AnalyseForReport().kind, RunOutcome::Kind::Refused);
    EXPECT_EQ(model.RunMode, 0);  // the design discharge was not analysed
}

TEST_F(SessionTest, TheEditorFollowsTheDocumentAndTheInputFormsUnit) {
    int rewritten = 0;
    session.editorRewritten = [&] { ++rewritten; };
    ASSERT_TRUE(session.Load(KELP_SOURCE_DIR "/examples/irregular_channel_tailwater.klp"));
    IrregularEditor& editor = session.irregularEditor();
    EXPECT_EQ(editor.text(IrrBox::txtNIRC), "11");
    EXPECT_EQ(editor.StationText(2), "20");

    session.units().ChooseMetric();
    EXPECT_EQ(rewritten, 1);
    EXPECT_EQ(editor.StationText(2), "6.10");
    session.SectionSaved();
    EXPECT_TRUE(session.form().dataChanged);

    // A fresh form comes with a fresh unit menu in English units.
    prompts.answers = {Answer::No};
    EXPECT_TRUE(session.New().newForm);
    EXPECT_FALSE(session.units().MetricChecked());
    EXPECT_EQ(session.UnitSystemOf(WindowKind::Input), 1.0f);
    EXPECT_EQ(editor.StationText(2), "20");  // the stored section, shown in feet again
    session.units().ChooseMetric();
    EXPECT_EQ(rewritten, 2);
}

}  // namespace
}  // namespace kelp
