// The subcritical profile and break control of each case, on culverts whose
// tailwater puts them in that case.
#include <gtest/gtest.h>

#include "culverts.h"
#include "engine/barrel_profile.h"
#include "engine/inlet_control.h"
#include "sections/section.h"

namespace kelp {
namespace {

using test::DoubleBox;
using test::Profile;
using test::SinglePipe;

void Prepare(Model& m, float q) {
    m.AnalysisQ = q;
    m.BarrelQ = q;
    ComputeCriticalDepth(m);
    ComputeNormalDepths(m);
}

// A nearly flat double box whose outlet the tailwater can drown: inlet 100,
// upper break 99.9, lower break 99.0, outlet 98.9; barrel 5 ft high.
void FlatBox(Model& m, float tw) {
    DoubleBox(m, tw);
    Profile(m, 0, 100, 30, 99.9f, 150, 99.0f, 240, 98.9f);
}

void ExpectProfileRunsDownstream(const Model& m) {
    for (int k = 2; k <= m.ProfileIndex; ++k)
        EXPECT_GE(m.ProfileStation[k], m.ProfileStation[k - 1]) << "point " << k;
}

TEST(BarrelProfile, UpperBreakControlRisesFromCriticalDepthToTheInlet) {
    Model m;
    DoubleBox(m, 230);
    Prepare(m, 120);
    ASSERT_TRUE(BoxProfile(m));
    EXPECT_EQ(m.ProfileStation[1], 0.0f);
    EXPECT_EQ(m.ProfileStation[m.ProfileIndex], 30.0f);
    EXPECT_EQ(m.ProfileDepth[m.ProfileIndex], m.CriticalDepth);
    EXPECT_EQ(m.UpperBreakPoint, m.ProfileIndex);
    EXPECT_GT(m.DepthInlet, m.CriticalDepth);
    ExpectProfileRunsDownstream(m);
    // The head over the upper break is at least D/2 + dc, plus the losses.
    EXPECT_GT(m.BreakControlElev, m.UpperBreakElev + 2.5f + m.CriticalDepth);
}

TEST(BarrelProfile, NoInletSectionMeansNoBreakControl) {
    Model m;
    SinglePipe(m, 20);
    Prepare(m, 80);
    m.UpperBreakPoint = 7;
    EXPECT_FALSE(PipeProfile(m));
    EXPECT_EQ(m.BreakControlElev, 0.0f);
    EXPECT_EQ(m.UpperBreakPoint, 1.0f);
}

TEST(BarrelProfile, TailwaterBetweenTheBreakAndTheInletLipGivesNoBreakControl) {
    Model m;
    DoubleBox(m, 251.8f);  // above Eub + dc, not above Ein + dc
    Prepare(m, 120);
    ASSERT_LE(m.UpperBreakElev + m.CriticalDepth, m.TWElev);
    ASSERT_GE(m.InletElev + m.CriticalDepth, m.TWElev);
    EXPECT_FALSE(BoxProfile(m));
    EXPECT_EQ(m.BreakControlElev, 0.0f);
}

TEST(BarrelProfile, TailwaterAboveTheInletCrownFillsTheWholeBarrel) {
    Model m;
    FlatBox(m, 106);
    Prepare(m, 120);
    ASSERT_TRUE(BoxProfile(m));
    ASSERT_EQ(m.ProfileIndex, 4);
    const float stations[] = {0, 30, 150, 240};
    for (int k = 1; k <= 4; ++k) {
        EXPECT_FLOAT_EQ(m.ProfileStation[k], stations[k - 1]);
        EXPECT_EQ(m.ProfileDepth[k], 5.0f);
    }
    EXPECT_EQ(m.UpperBreakPoint, 2.0f);
    EXPECT_EQ(m.LowerBreakPoint, 3.0f);
    EXPECT_EQ(m.CurrentDepth, 5.0f);
    EXPECT_GT(m.BreakControlElev, 106.0f);
}

TEST(BarrelProfile, FreeOutletBelowTheTailwaterWalksTheWholeBarrelUpstream) {
    Model m;
    FlatBox(m, 103);
    Prepare(m, 120);
    ASSERT_TRUE(BoxProfile(m));
    EXPECT_FLOAT_EQ(m.ProfileStation[m.ProfileIndex], 240);
    EXPECT_NEAR(m.ProfileDepth[m.ProfileIndex], 103 - 98.9f, 1e-5);
    EXPECT_FLOAT_EQ(m.ProfileStation[static_cast<int>(m.UpperBreakPoint)], 30);
    EXPECT_FLOAT_EQ(m.ProfileStation[static_cast<int>(m.LowerBreakPoint)], 150);
    EXPECT_EQ(m.DepthLowerBreak, m.ProfileDepth[static_cast<int>(m.LowerBreakPoint)]);
    ExpectProfileRunsDownstream(m);
    EXPECT_GT(m.BreakControlElev, 103.0f);
}

TEST(BarrelProfile, SubmergedOutletRunsFullUpToWhereTheCrownMeetsTheTailwater) {
    Model m;
    FlatBox(m, 104.5f);  // crown at the lower break 104.0, at the upper break 104.9
    Prepare(m, 120);
    ASSERT_TRUE(BoxProfile(m));
    // The full part reaches past the lower break, which sits on a full point.
    EXPECT_EQ(m.DepthLowerBreak, 5.0f);
    EXPECT_EQ(m.ProfileDepth[static_cast<int>(m.LowerBreakPoint)], 5.0f);
    EXPECT_FLOAT_EQ(m.ProfileStation[static_cast<int>(m.LowerBreakPoint)], 150);
    EXPECT_EQ(m.DepthUpperBreak, 5.0f);
    EXPECT_LT(m.ProfileDepth[1], 5.0f);  // free surface at the inlet
    ExpectProfileRunsDownstream(m);
}

void PrepareInlet(Model& m, float q) {
    m.BarrelQ = q;
    ComputeCriticalDepth(m);
}

TEST(InletControl, WeirAndOrificeExtensionsMeetThePolynomialAtTheirBounds) {
    Model m;
    DoubleBox(m, 200);
    double previous = 0;
    for (float q = 2; q <= 1200; q += 2) {
        PrepareInlet(m, q);
        ComputeInletControl(m, m.InletSectionSlope);
        const double hw = m.InletControlElev - m.InletElev;
        EXPECT_GE(hw, previous - 1e-3) << q;  // rises with the discharge, no step at 0.5D or 3D
        EXPECT_LT(hw - previous, 0.25) << q;
        previous = hw;
    }
    EXPECT_GT(previous, 15.0);  // reached the orifice range
}

TEST(InletControl, NoDischargeGivesTheInletInvert) {
    Model m;
    DoubleBox(m, 200);
    PrepareInlet(m, 0);
    ComputeInletControl(m, m.InletSectionSlope);
    EXPECT_EQ(m.InletControlElev, m.InletElev);
}

}  // namespace
}  // namespace kelp
