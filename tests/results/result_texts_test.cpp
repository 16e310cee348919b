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
    m.InletControlElev = 1234.567f;
    m.OutletDepth = 1.25f;
    m.OutletFroude = 2.04f;
    m.TWDepth = 3.2808f;
    return m;
}

TEST(OutputTexts, FormatsUnitsAndMetricDisplay) {
    OutputTexts t = BuildOutputTexts(BoxResults(), 1);
    EXPECT_EQ(t.hwDepth.value, "0.50");       // "##0.00"
    EXPECT_EQ(t.inletVelocity.value, ".50");  // "###.00"
    EXPECT_EQ(t.inletControl.value, "1234.57");
    EXPECT_EQ(t.outletFroude.value, "2.0");
    EXPECT_EQ(t.twDepthNormal.caption, "Tailwater Depth  (Normal Downstream)");
    EXPECT_EQ(t.inletVelocity.unit, "ft/s");
    EXPECT_EQ(t.size.value, "4.0");
    EXPECT_EQ(t.sizeSpan, "6.0");

    OutputTexts metric = BuildOutputTexts(BoxResults(), 2);
    EXPECT_EQ(metric.discharge.value, "1.000");
    EXPECT_EQ(metric.discharge.unit, "cms");
    EXPECT_EQ(metric.twDepth.value, "1.00");
    EXPECT_EQ(metric.twDepth.unit, "m");
    EXPECT_EQ(metric.outletFroude.value, "2.0");  // never converted
}

TEST(OutputTexts, JumpGroupBreakControlAndTailwaterVelocityLines) {
    Model m = BoxResults();
    OutputTexts none = BuildOutputTexts(m, 1);
    for (const ResultLine* line : {&none.jumpStation, &none.jumpLength, &none.jumpEndDepth, &none.jumpEndVelocity})
        EXPECT_FALSE(line->visible) << line->caption;
    for (const ResultLine* line : {&none.jumpEndDepth, &none.jumpEndVelocity})
        EXPECT_EQ(line->value + line->unit, "N/A") << line->caption;
    EXPECT_TRUE(none.breakControl.visible && none.twVelocity.visible);

    m.JumpFlag = "YES";
    m.CurrentDepth = 1.3f;
    m.TailwaterCode = 1;
    m.InletSectionLength = 0;  // inlet and upper break coincide
    OutputTexts jump = BuildOutputTexts(m, 1);
    EXPECT_TRUE(jump.jumpEndDepth.visible);
    EXPECT_EQ(jump.jumpEndDepth.value, "1.30");
    EXPECT_FALSE(jump.twVelocity.visible);
    EXPECT_EQ(jump.breakControl.value + jump.breakControl.unit, "N/A");
    m.BreakCount = 1;
    EXPECT_FALSE(BuildOutputTexts(m, 1).breakControl.visible);
}

TEST(OutputTexts, FullOutletPipeSizesAndMaterials) {
    Model m = BoxResults();
    m.OutletDepth = 4;
    EXPECT_EQ(BuildOutputTexts(m, 1).outletFroude.value, "FULL");
    m.CulvertShape = 1;
    m.PipeDiameter = 2.25f;
    m.PipeMaterial = 2;
    OutputTexts pipe = BuildOutputTexts(m, 1);
    EXPECT_EQ(pipe.shape.value, "Circular");
    EXPECT_EQ(pipe.size.value + " " + pipe.sizeSpan, "2.25 2.25");
    EXPECT_EQ(pipe.material.value, "Corr. Metal Pipe");
    m.PipeDiameter = 2.5f;
    m.PipeMaterial = 3;
    pipe = BuildOutputTexts(m, 1);
    EXPECT_EQ(pipe.size.value, "2.5");
    EXPECT_EQ(pipe.material.value, "Corr. Alum. Pipe");
}

TEST(TableTexts, RowsFullNotAnalysedRowWarningsAndMetric) {
    RatingTable table;
    table.TableJump = {"NA", "NO", "YES"};
    table.TableQ[1] = 35.3147f;
    table.TableHW[1] = 0.5f;
    table.TableFroude[1] = 2.46f;
    table.TableOutVel[1] = 3.2808f;
    table.TableQ[2] = 120;
    table.TableOutDepth[2] = 4;  // the barrel height
    table.Warnings[2] = {"The discharge exceeds the capacity of the downstream channel."};
    TableTexts t = BuildTableTexts(table, BoxResults(), 1);
    EXPECT_EQ(t.headings[2], "Inlet  Control Elevation");
    EXPECT_FALSE(t.rows[0].detailVisible);
    EXPECT_EQ(t.rows[0].cells[10], "NA");
    EXPECT_EQ(t.rows[1].cells[1], ".50");
    EXPECT_EQ(t.rows[1].cells[4], "2.5");
    EXPECT_EQ(t.rows[2].cells[4], "FULL");
    EXPECT_TRUE(t.rows[2].warned && !t.rows[1].warned);
    ASSERT_EQ(t.notes.size(), 1u);
    EXPECT_NE(t.notes[0].find("120.0 cfs"), std::string::npos);

    TableTexts metric = BuildTableTexts(table, BoxResults(), 2);
    EXPECT_EQ(metric.units[0] + metric.units[6] + metric.units[9], "cmsmm/s");
    EXPECT_EQ(metric.rows[1].cells[0], "1.000");
    EXPECT_EQ(metric.rows[1].cells[7], "1.00");
}

}  // namespace
}  // namespace kelp
