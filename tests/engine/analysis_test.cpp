// One-discharge analysis: the control cases, the jumps in each section and
// the outlet values, on culverts set in the model.
#include <cmath>

#include <gtest/gtest.h>

#include "culverts.h"

namespace kelp {
namespace {

using test::DoubleBox;
using test::Profile;
using test::SinglePipe;

float LastStation(const Model& m) { return m.ProfileStation[m.ProfileIndex]; }
float LastDepth(const Model& m) { return m.ProfileDepth[m.ProfileIndex]; }

TEST(Analysis, JumpInTheOutletSectionDecidedByTheTailwater) {
    Model m;
    DoubleBox(m, 230);
    ASSERT_EQ(AnalyseDischarge(m, 120), ControlCase::Break);
    EXPECT_EQ(m.JumpFlag, "YES");
    EXPECT_GT(m.JumpStation, 150.0f);
    EXPECT_LT(m.JumpStation + m.JumpLength, 240.0f);
    EXPECT_FLOAT_EQ(LastStation(m), 240);
    EXPECT_FLOAT_EQ(LastDepth(m), 4.75f);       // level surface from the jump's end
    EXPECT_FLOAT_EQ(m.OutletDepth, m.TWDepth);  // drowned to the tailwater
    EXPECT_LT(m.OutletFroude, 1.0f);
    EXPECT_NEAR(m.VelJumpEnd, m.BarrelQ / (m.BoxSpan * m.CurrentDepth), 1e-4);
}

TEST(Analysis, LowTailwaterLeavesASupercriticalOutlet) {
    Model m;
    DoubleBox(m, 200);
    ASSERT_EQ(AnalyseDischarge(m, 120), ControlCase::Break);
    EXPECT_EQ(m.JumpFlag, "NO");
    EXPECT_EQ(m.OutletDepth, m.CurrentDepth);
    EXPECT_LT(m.OutletDepth, m.CriticalDepth);
    EXPECT_GT(m.OutletFroude, 1.0f);
    EXPECT_FLOAT_EQ(LastStation(m), 240);
}

TEST(Analysis, JumpInTheSteepSectionCarriesTheTailwaterToTheOutlet) {
    Model m;
    DoubleBox(m, 245);
    ASSERT_EQ(AnalyseDischarge(m, 120), ControlCase::Break);
    EXPECT_EQ(m.JumpFlag, "YES");
    EXPECT_GT(m.JumpStation, 30.0f);
    EXPECT_LT(m.JumpStation, 150.0f);
    EXPECT_EQ(LastDepth(m), 5.0f);  // the tailwater stands above the crown
    EXPECT_EQ(m.OutletDepth, 5.0f);
}

TEST(Analysis, JumpThatWouldEndBeyondTheOutletIsNotRecorded) {
    Model m;
    DoubleBox(m, 230);
    Profile(m, 0, 250, 30, 249.7f, 150, 225.7f, 160, 225.65f);
    AnalyseDischarge(m, 120);
    EXPECT_EQ(m.JumpFlag, "NO");
}

TEST(Analysis, DrownedUpperBreakIsTailwaterControlledAndForgetsTheLastJump) {
    Model m;
    DoubleBox(m, 230);
    AnalyseDischarge(m, 120);
    ASSERT_EQ(m.JumpFlag, "YES");
    m.TWElev = 256;  // above the inlet crown
    ASSERT_EQ(AnalyseDischarge(m, 120), ControlCase::Tailwater);
    EXPECT_EQ(m.JumpFlag, "NO");
    EXPECT_EQ(m.JumpStation, 0.0f);
    EXPECT_EQ(m.JumpLength, 0.0f);
    EXPECT_EQ(m.OutletDepth, 5.0f);
    EXPECT_EQ(m.HWElev, m.BreakControlElev);
    EXPECT_FLOAT_EQ(m.HWDepth, m.HWElev - m.InletElev);
}

TEST(Analysis, TailwaterControlBeginsAboveTheInletLipPlusCriticalDepth) {
    Model m;
    DoubleBox(m, 0);
    AnalyseDischarge(m, 120);
    m.TWElev = F32(static_cast<double>(m.InletElev) + m.CriticalDepth);
    EXPECT_EQ(AnalyseDischarge(m, 120), ControlCase::Inlet);  // no break control at Ein + dc ≥ TW
    m.TWElev = 255.5f;
    EXPECT_EQ(AnalyseDischarge(m, 120), ControlCase::Tailwater);
}

TEST(Analysis, SinglePipeUnderInletControlStartsAtCriticalDepth) {
    Model m;
    SinglePipe(m, 20);
    ASSERT_EQ(AnalyseDischarge(m, 80), ControlCase::Inlet);
    EXPECT_EQ(m.HWElev, m.InletControlElev);
    EXPECT_EQ(m.DepthInlet, m.CriticalDepth);
    EXPECT_EQ(m.DepthUpperBreak, m.CriticalDepth);  // no inlet section to walk
    EXPECT_EQ(m.UpperBreakPoint, 1.0f);
    EXPECT_FLOAT_EQ(LastStation(m), 140);
    EXPECT_NEAR(m.OutletFroude,
                0.176 * m.BarrelQ / (m.OutletDepth * m.OutletDepth * std::sqrt(4.0)), 1e-4);
}

TEST(Analysis, AnInletStationOtherThanZeroAnalysesTheSame) {
    Model at0, at500;
    DoubleBox(at0, 230);
    DoubleBox(at500, 230);
    Profile(at500, 500, 250, 530, 249.7f, 650, 225.7f, 740, 225.25f);
    AnalyseDischarge(at0, 120);
    AnalyseDischarge(at500, 120);
    EXPECT_EQ(at500.JumpFlag, "YES");
    EXPECT_NEAR(at500.JumpStation, at0.JumpStation, 1e-3);
    EXPECT_NEAR(at500.OutletDepth, at0.OutletDepth, 1e-4);
    EXPECT_NEAR(at500.HWElev, at0.HWElev, 1e-3);
    ASSERT_EQ(at500.ProfileIndex, at0.ProfileIndex);
    EXPECT_NEAR(LastDepth(at500), LastDepth(at0), 1e-4);
}

// A long, nearly flat outlet section below the steep one, the tailwater far
// below: the flow rises towards its mild normal depth and jumps at the first
// point whose Froude number is below 1.7 (F² = 2.89), to the sequent depth,
// over a length of 220·y·tanh((F − 1)/22).
TEST(Analysis, WeakJumpFormsWhereTheFroudeNumberFallsBelowOnePointSeven) {
    for (double q = 40; q <= 140; q += 10) {
        Model m;
        DoubleBox(m, 200);
        Profile(m, 0, 250, 30, 249.7f, 150, 225.7f, 400, 225.2f);
        AnalyseDischarge(m, q);
        ASSERT_EQ(m.JumpFlag, "YES") << q;
        ASSERT_EQ(m.JumpState, 3) << q;
        int k = static_cast<int>(m.LowerBreakPoint);
        while (k < m.ProfileIndex && m.ProfileStation[k] != m.JumpStation) ++k;
        const auto froude2 = [&m](double y) {
            const double v = m.BarrelQ / (m.BoxSpan * y);
            return v * v / (m.Gravity * y);
        };
        const double y = m.ProfileDepth[k], f2 = froude2(y);
        EXPECT_LT(f2, 2.89) << q;
        EXPECT_GE(froude2(m.ProfileDepth[k - 1]), 2.89) << q;
        const double length = 220.0 * y * std::tanh((std::sqrt(f2) - 1.0) / 22.0);
        EXPECT_FLOAT_EQ(m.JumpLength, static_cast<float>(length)) << q;
        EXPECT_FLOAT_EQ(m.ProfileStation[k + 1], static_cast<float>(m.JumpStation + length)) << q;
        EXPECT_FLOAT_EQ(m.ProfileDepth[k + 1],
                        static_cast<float>(y / 2.0 * (std::sqrt(1.0 + 8.0 * f2) - 1.0)))
            << q;
    }
}

// Where a full pipe's geometry would divide by zero its depths are held just
// below the crown, and an inlet-control walk that rose above critical depth
// leaves the upper break just below it.
TEST(Analysis, PipeDepthsStayJustBelowTheCrownAndCriticalDepth) {
    const float belowCrown = F32(4.0 - 0.001);
    Model critical;  // critical depth limited to the diameter
    SinglePipe(critical, 20);
    ASSERT_EQ(AnalyseDischarge(critical, 250), ControlCase::Inlet);
    EXPECT_EQ(critical.DepthInlet, belowCrown);

    Model mild;  // a mild inlet section lets the walk rise above critical depth
    SinglePipe(mild, 20);
    Profile(mild, 0, 50, 40, 49.96f, 120, 30, 180, 29.7f);
    ASSERT_EQ(AnalyseDischarge(mild, 140), ControlCase::Inlet);
    EXPECT_EQ(mild.DepthUpperBreak, F32(mild.CriticalDepth - 0.0001));

    Model full;  // the tailwater fills the whole barrel
    SinglePipe(full, 56);
    ASSERT_EQ(AnalyseDischarge(full, 80), ControlCase::Tailwater);
    for (float depth : {full.DepthInlet, full.DepthUpperBreak, full.DepthLowerBreak})
        EXPECT_EQ(depth, belowCrown);
    EXPECT_EQ(full.CurrentDepth, F32(4.0 - 0.0001));
    EXPECT_EQ(full.OutletDepth, 4.0f);
    EXPECT_FLOAT_EQ(full.OutletVelocity, static_cast<float>(80.0 / (3.14159 * 4.0)));

    Model jump;  // a jump into the part of the pipe that the tailwater fills
    SinglePipe(jump, 36);
    Profile(jump, 0, 50, 0, 50, 60, 30, 260, 29);
    AnalyseDischarge(jump, 60);
    ASSERT_EQ(jump.JumpFlag, "YES");
    EXPECT_EQ(jump.JumpState, 2);
    EXPECT_EQ(jump.ProfileDepth[jump.ProfileIndex - 1], belowCrown);
}

TEST(Analysis, EveryResultIsFiniteAcrossTheDischargeRange) {
    for (float tw : {200.0f, 230.0f, 245.0f, 252.0f, 256.0f}) {
        Model m;
        DoubleBox(m, tw);
        for (double q = 5; q <= 800; q += 15) {
            ASSERT_NO_THROW(AnalyseDischarge(m, q)) << tw << " " << q;
            for (float v : {m.HWElev, m.OutletDepth, m.OutletVelocity, m.OutletFroude,
                            m.VelInlet, m.VelLowerBreak, m.VelJumpEnd})
                ASSERT_TRUE(std::isfinite(v)) << tw << " " << q;
            for (int k = 1; k <= m.ProfileIndex; ++k)
                ASSERT_TRUE(std::isfinite(m.ProfileDepth[k])) << tw << " " << q << " " << k;
        }
    }
}

TEST(Analysis, FaultsCarryTheirDescription) {
    Model noBarrels;
    DoubleBox(noBarrels, 230);
    noBarrels.NBarrels = 0;
    try {
        AnalyseDischarge(noBarrels, 120);
        FAIL();
    } catch (const RuntimeFault& f) {
        EXPECT_STREQ(f.what(), "Division by zero");
    }
    Model adverse;
    DoubleBox(adverse, 230);
    Profile(adverse, 0, 250, 30, 249.7f, 150, 252, 240, 251.5f);
    EXPECT_THROW(AnalyseDischarge(adverse, 120), RuntimeFault);
}

}  // namespace
}  // namespace kelp
