#include "form/runs.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "form/take_fields.h"
#include "project/project_file.h"
#include "support/double_box.h"

namespace kelp {
namespace {

// The double box every check passes.
struct Project {
    Project() { testing::FillDoubleBox(form); }
    void Set(const std::vector<std::pair<Field, std::string>>& texts) {
        for (const auto& [f, text] : texts) form.SetText(f, text);
    }
    Model model;
    InputForm form{model, "2024-05-01"};
    RatingTable table;
};

void ExpectRefused(const RunOutcome& out, const std::string& text,
                   std::optional<Field> focus = std::nullopt) {
    EXPECT_EQ(out.kind, RunOutcome::Kind::Refused);
    ASSERT_TRUE(out.message);
    EXPECT_EQ(out.message->text, text);
    EXPECT_EQ(out.focus, focus);
}

// Each check of the discharges' and the stations' order puts the focus on the
// value that should have been the larger. The design run wants it strictly
// larger; the range run lets an equal value pass.
TEST(Runs, OrderChecksFocusTheLargerValueAndOnlyTheDesignRunRefusesEqualOnes) {
    struct Case { bool single; Field larger; const char* equal; const char* smaller; };
    const Case cases[] = {
        {false, Field::txtDesDischarge, "30", "29"}, {false, Field::txtMaxDischarge, "120", "119"},
        {false, Field::txtUppersta, "0", "-1"},      {false, Field::txtLowersta, "30", "29"},
        {true, Field::txtLowersta, "0", "-1"},       {false, Field::txtOutletsta, "150", "149"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(FieldName(c.larger));
        for (const char* text : {c.equal, c.smaller}) {
            Project p;
            if (c.single) p.form.ChooseSingle();
            p.form.SetText(c.larger, text);
            RunOutcome design = RunDesign(p.form);
            EXPECT_EQ(design.kind, RunOutcome::Kind::Refused);
            EXPECT_EQ(design.focus, c.larger);
            EXPECT_EQ(RunRange(p.form, p.table).focus == c.larger, text == c.smaller);
        }
    }
}

TEST(Runs, SlopeLimitOnAllSlopesInTheDesignRunOnlyTheSteepOneInTheRangeRun) {
    Project atLimit;  // 30 -> 130 with a drop of 142: exactly 1.42
    atLimit.Set({{Field::txtLowersta, "130"}, {Field::txtLowerelev, "107.7"},
                 {Field::txtOutletelev, "107"}, {Field::txtTWelev, "110"}});
    EXPECT_NE(RunDesign(atLimit.form).kind, RunOutcome::Kind::Refused);
    EXPECT_EQ(atLimit.model.SteepSectionSlope, 1.42f);

    Project steep;
    steep.Set({{Field::txtLowersta, "130"}, {Field::txtLowerelev, "107.69"},
               {Field::txtOutletelev, "107"}});
    for (const RunOutcome& out : {RunDesign(steep.form), RunRange(steep.form, steep.table)}) {
        ExpectRefused(out, "Slope greater than allowable.");
        EXPECT_EQ(out.message->title, "KELP");
        EXPECT_TRUE(out.message->exclamation);
    }
    Project outlet;
    outlet.Set({{Field::txtOutletelev, "90"}, {Field::txtTWelev, "95"}});
    ExpectRefused(RunDesign(outlet.form), "Slope greater than allowable.");
    EXPECT_NE(RunRange(outlet.form, outlet.table).kind, RunOutcome::Kind::Refused);
}

TEST(Runs, EmptyOrNonNumericFieldRefusesBothRunsBeforeAnyAnalysis) {
    for (const char* text : {"", "abc"}) {
        Project p;
        p.form.SetText(Field::txtRise, text);
        ExpectRefused(RunDesign(p.form), "Input data is insufficient !");
        ExpectRefused(RunRange(p.form, p.table), "Input data is insufficient !");
        EXPECT_EQ(p.model.AnalysisQ, 0.0f);
    }
}

TEST(Runs, MetricInputIsTakenInEnglishUnits) {
    Project p;
    p.form.ChooseCircle();
    p.model.UnitSystem = 2;
    p.Set({{Field::txtDiameter, "2.0"}, {Field::txtMinDischarge, "1.0"},
           {Field::txtBoxrough, "0.024"}, {Field::txtTWelev, "10"}});
    ASSERT_TRUE(TakeFields(p.form));
    EXPECT_FLOAT_EQ(p.model.PipeDiameter, 6.5616f);
    EXPECT_EQ(p.model.BarrelHeight, p.model.PipeDiameter);
    EXPECT_FLOAT_EQ(p.model.MinQ, 35.3147f);
    EXPECT_FLOAT_EQ(p.model.TWElev, 32.808f);
    EXPECT_EQ(p.model.CulvertN, 0.024f);
    EXPECT_EQ(p.model.TWVelocity, 0.0f);
}

// The outlet section takes the barrel roughness as its field is left; a run
// takes the fields as if it had been, but never undoes a later outlet edit.
TEST(Runs, BothRunsTakeAnEditedBarrelRoughnessIntoTheOutletSection) {
    for (bool design : {true, false}) {
        SCOPED_TRACE(design ? "design" : "range");
        Project p;
        auto run = [&] { return design ? RunDesign(p.form) : RunRange(p.form, p.table); };
        p.form.SetText(Field::txtBoxrough, "0.015");
        ASSERT_EQ(run().kind, RunOutcome::Kind::Analysed);
        EXPECT_EQ(p.model.OutletN, 0.015f);
        EXPECT_EQ(p.form.text(Field::txtNOut), "0.015");
        p.form.SetText(Field::txtNOut, "0.02");
        run();
        EXPECT_EQ(p.model.OutletN, 0.02f);
        EXPECT_EQ(p.model.CulvertN, 0.015f);
    }
    // A project read with an outlet roughness of its own keeps it.
    Project read;
    ReadProjectText("\"A\",\"B\",\"C\"\r\n30,120,400,1\r\n230,1,0,0,0,0,0,0.035\r\n"
                    "0,1,8,5,\"Wingwall, 1.5:1 Bevel (18-34 deg. Flare)\",0.014,0.012\r\n"
                    "0,250,30,249.7,150,225.7,240,225.25\r\n1,2,2\r\n",
                    "read.klp", read.form);
    RunDesign(read.form);
    EXPECT_EQ(read.model.CulvertN, 0.014f);
    EXPECT_EQ(read.model.OutletN, 0.012f);
}

TEST(Runs, DisplaySlopesRoundedToFourDecimalsAndKeptAfterADivisionByZero) {
    Project p;
    p.Set({{Field::txtLowerelev, "209.7"}, {Field::txtOutletelev, "209.25"}});
    RunDesign(p.form);
    EXPECT_DOUBLE_EQ(p.model.ShownSteepSlope, 0.3333);
    EXPECT_DOUBLE_EQ(p.model.ShownInletSlope, 0.01);
    EXPECT_DOUBLE_EQ(p.model.ShownOutletSlope, 0.005);

    p.Set({{Field::txtOutletsta, "150"}});
    RunOutcome out = RunDesign(p.form);
    ASSERT_EQ(out.notices.size(), 1u);
    EXPECT_EQ(out.notices[0].text, "Error:Division by zero occurred in CalSlope");
    EXPECT_DOUBLE_EQ(p.model.ShownSteepSlope, 0.3333);
    EXPECT_EQ(out.focus, Field::txtOutletsta);  // the run went on to its checks
}

TEST(Runs, TableDischargesWorkInTheDesignDischarge) {
    using Q = std::array<float, 11>;
    const Q grid{10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110};
    EXPECT_EQ(TableDischarges(10, 25, 110), (Q{10, 20, 25, 40, 50, 60, 70, 80, 90, 100, 110}));
    EXPECT_EQ(TableDischarges(10, 20, 110), grid);
    EXPECT_EQ(TableDischarges(10, 105, 110), grid);
    EXPECT_EQ(TableDischarges(7, 7, 7), (Q{7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7}));
}

TEST(Runs, RangeRowsCopyEachAnalysisAndSkipAZeroMinimum) {
    Project p;
    p.Set({{Field::txtMinDischarge, "0"}});
    ASSERT_EQ(RunRange(p.form, p.table).kind, RunOutcome::Kind::Analysed);
    EXPECT_EQ(p.table.TableJump[0], "NA");
    EXPECT_EQ(p.table.TableHW[0], 0.0f);
    EXPECT_EQ(p.table.TableQ[3], 120.0f);  // 0, 40, 80, then the design discharge
    AnalyseRow(p.model, p.table, 3);
    EXPECT_EQ(p.model.AnalysisQ, 120.0f);
    EXPECT_EQ(p.table.TableHW[3], p.model.HWDepth);
    EXPECT_EQ(p.table.TableJump[3], p.model.JumpFlag);
}

}  // namespace
}  // namespace kelp
