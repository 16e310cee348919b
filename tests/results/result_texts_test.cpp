// What the golden outputs of the bundled and reference projects do not reach:
// a break control that does not apply, the third pipe material, a size with
// two decimals, and a rating table whose first row was not analysed.
#include <gtest/gtest.h>

#include "results/output_texts.h"
#include "results/table_texts.h"

namespace kelp {
namespace {

// Results of a 6 ft by 4 ft box without a jump, filled by hand.
Model BoxResults() {
    Model m;
    m.BoxSpan = 6;
    m.BoxRise = m.BarrelHeight = 4;
    m.InletSectionLength = 30;
    m.AnalysisQ = 35.3147f;
    m.HWDepth = m.VelInlet = 0.5f;
    m.OutletFroude = 2.04f;
    m.TWDepth = 3.2808f;
    return m;
}

TEST(OutputTexts, FormatsAndLinesThatDoNotApply) {
    Model m = BoxResults();
    OutputTexts t = BuildOutputTexts(m, 1);
    EXPECT_EQ(t.hwDepth.value + " " + t.inletVelocity.value, "0.50 .50");
    EXPECT_EQ(t.size.value + " " + t.sizeSpan, "4.0 6.0");
    for (const ResultLine* line : {&t.jumpEndDepth, &t.jumpEndVelocity}) {
        EXPECT_FALSE(line->visible) << line->caption;
        EXPECT_EQ(line->value + line->unit, "N/A") << line->caption;
    }
    OutputTexts metric = BuildOutputTexts(m, 2);
    EXPECT_EQ(metric.discharge.value + " " + metric.discharge.unit, "1.000 cms");
    EXPECT_EQ(metric.twDepth.value + " " + metric.twDepth.unit, "1.00 m");
    EXPECT_EQ(metric.outletFroude.value, "2.0");  // never converted

    m.InletSectionLength = 0;  // inlet and upper break coincide
    m.CulvertShape = 1;
    m.PipeDiameter = 2.25f;
    m.PipeMaterial = 3;
    OutputTexts pipe = BuildOutputTexts(m, 1);
    EXPECT_EQ(pipe.breakControl.value + pipe.breakControl.unit, "N/A");
    EXPECT_EQ(pipe.size.value + " " + pipe.sizeSpan, "2.25 2.25");
    EXPECT_EQ(pipe.material.value, "Corr. Alum. Pipe");
}

TEST(TableTexts, RowsFullNotAnalysedRowAndWarningNotes) {
    RatingTable table;
    table.TableJump = {"NA", "NO", "YES"};
    table.TableQ[1] = 35.3147f;
    table.TableFroude[1] = 2.46f;
    table.TableQ[2] = 120;
    table.TableOutDepth[2] = 4;  // the barrel height
    table.Warnings[2] = {"The discharge exceeds the capacity of the downstream channel."};
    TableTexts t = BuildTableTexts(table, BoxResults(), 1);
    EXPECT_FALSE(t.rows[0].detailVisible);
    EXPECT_EQ(t.rows[0].cells[10], "NA");
    EXPECT_EQ(t.rows[1].cells[4], "2.5");
    EXPECT_EQ(t.rows[2].cells[4], "FULL");
    EXPECT_TRUE(t.rows[2].warned && !t.rows[1].warned);
    ASSERT_EQ(t.notes.size(), 1u);
    EXPECT_EQ(t.notes[0].rfind("Q = 120.0 cfs: ", 0), 0u);
    TableTexts metric = BuildTableTexts(table, BoxResults(), 2);
    EXPECT_EQ(metric.units[0] + metric.units[6] + metric.units[9], "cmsmm/s");
    EXPECT_EQ(metric.rows[1].cells[0], "1.000");
}

}  // namespace
}  // namespace kelp
