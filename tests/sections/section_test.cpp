// Section relations against exact Manning and critical-depth solutions found
// here independently (exact 5/3 and 2/3 exponents, bisection, full-precision
// circle geometry): the fixed-step searches must land within one step.
#include <cmath>
#include <functional>

#include <gtest/gtest.h>

#include "sections/section.h"

namespace kelp {
namespace {

double Bisect(const std::function<double(double)>& q, double target, double lo, double hi) {
    for (int i = 0; i < 200; ++i) {
        const double mid = (lo + hi) / 2;
        (q(mid) < target ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

double ExactBox(double b, double n, double s, double qb) {
    return Bisect([=](double y) {
        return 1.49 / n * std::pow(b * y, 5.0 / 3) * std::pow(2 * y + b, -2.0 / 3) * std::sqrt(s);
    }, qb, 1e-6, 50);
}

// Circular segment from the central angle of the wetted arc.
double ExactPipe(double d, double n, double s, double qb) {
    return Bisect([=](double y) {
        const double theta = 2 * std::acos(1 - 2 * y / d);
        const double area = d * d / 8 * (theta - std::sin(theta));
        const double radius = area / (theta * d / 2);
        return 1.49 / n * area * std::pow(radius, 2.0 / 3) * std::sqrt(s);
    }, qb, 1e-6, d * 0.9);  // below the crown, where the discharge still rises
}

Model Box(float span, float rise, float q) {
    Model m;
    m.CulvertShape = 2;
    m.BoxSpan = span;
    m.BoxRise = rise;
    m.BarrelQ = q;
    m.CulvertN = 0.012f;
    m.OutletN = 0.015f;
    return m;
}

Model Pipe(float d, float q) {
    Model m;
    m.CulvertShape = 1;
    m.PipeDiameter = d;
    m.BarrelQ = q;
    m.CulvertN = 0.024f;
    m.OutletN = 0.024f;
    return m;
}

TEST(CriticalDepth, BoxMatchesUnitDischargeFormulaAndIsCappedAtTheRise) {
    Model m = Box(10, 5, 100);
    ComputeCriticalDepth(m);
    EXPECT_NEAR(m.CriticalDepth, std::cbrt(100.0 / 32.2), 0.001);  // 1.459 ft
    EXPECT_TRUE(m.Warnings.empty());

    Model full = Box(2, 2, 200);
    ComputeCriticalDepth(full);
    EXPECT_EQ(full.CriticalDepth, 2.0f);
    EXPECT_EQ(full.Warnings.size(), 1u);
}

TEST(CriticalDepth, PipeFormulaIsCappedAtTheDiameter) {
    Model m = Pipe(4, 50);
    ComputeCriticalDepth(m);
    EXPECT_NEAR(m.CriticalDepth, std::sqrt(50 / std::sqrt(32.2 * 4)), 1e-5);
    Model full = Pipe(2, 200);
    ComputeCriticalDepth(full);
    EXPECT_EQ(full.CriticalDepth, 2.0f);
}

TEST(NormalDepth, BoxSearchesLandWithinOneStepOfManning) {
    struct Case { float span, rise, q, inlet, steep, outlet; };
    for (const Case c : {Case{8, 5, 120, 0.01f, 0.2f, 0.005f}, Case{6, 4, 40, 0.002f, 0.08f, 0.01f},
                         Case{12, 8, 600, 0.004f, 0.3f, 0.003f}}) {
        Model m = Box(c.span, c.rise, c.q);
        m.InletSectionSlope = c.inlet;
        m.SteepSectionSlope = c.steep;
        m.OutletSectionSlope = c.outlet;
        ComputeNormalDepths(m);
        EXPECT_NEAR(m.NormalDepthInlet, ExactBox(c.span, 0.012, c.inlet, c.q), 0.011) << c.q;
        EXPECT_NEAR(m.NormalDepthSteep, ExactBox(c.span, 0.012, c.steep, c.q), 0.011) << c.q;
        EXPECT_NEAR(m.NormalDepthOutlet, ExactBox(c.span, 0.015, c.outlet, c.q), 0.011) << c.q;
        EXPECT_TRUE(m.Warnings.empty());
    }
}

TEST(NormalDepth, PipeSearchesLandWithinOneStepOfManning) {
    Model m = Pipe(5, 60);
    m.InletSectionSlope = 0.01f;
    m.SteepSectionSlope = 0.15f;
    m.OutletSectionSlope = 0.02f;
    ComputeNormalDepths(m);
    EXPECT_NEAR(m.NormalDepthInlet, ExactPipe(5, 0.024, 0.01, 60), 0.011);
    EXPECT_NEAR(m.NormalDepthSteep, ExactPipe(5, 0.024, 0.15, 60), 0.011);
    EXPECT_NEAR(m.NormalDepthOutlet, ExactPipe(5, 0.024, 0.02, 60), 0.011);
}

// Manning's equation with the decimal exponents: each of these depths moves
// by a step if the area's exponent is taken as 5/3 instead of 1.667.
TEST(NormalDepth, BoxDepthsFollowTheDecimalExponents) {
    const struct {
        float q, slope, depth;
    } cases[] = {{320, 0.005f, 3.1199994f}, {460, 0.02f, 2.46f}, {60, 0.2f, 0.31000209f}};
    for (const auto& c : cases) {
        Model m = Box(8, 5, c.q);
        m.SteepSectionSlope = c.slope;
        ComputeNormalDepths(m);
        EXPECT_EQ(m.NormalDepthSteep, c.depth) << c.q;
    }
}

// Each step is added to the 32-bit depth in double and the sum rounded once.
// 0.05 cfs in an 8 by 6 ft box: 300 steps down from 3 ft reach the bed, and
// the search swings between the bed and 0.01 ft until its budget runs out;
// float steps added in float arithmetic would end at 2.5779009e-06 ft.
TEST(NormalDepth, StepsAreAddedInDoubleAndRoundedOnce) {
    Model m = Box(8, 6, 0.05f);
    m.InletSectionSlope = 0.2f;
    m.SteepSectionSlope = 0.2f;
    m.OutletSectionSlope = 0.2f;
    ComputeNormalDepths(m);
    EXPECT_EQ(m.NormalDepthInlet, 2.5665015e-06f);
    EXPECT_EQ(m.NormalDepthSteep, 2.5665015e-06f);
    EXPECT_EQ(m.NormalDepthOutlet, 2.5665015e-06f);
}

// A depth out of reach stops after the section's budget of 0.01 ft steps
// from half the barrel height: 500 steps in a box's inlet section, 600 in its
// steep and outlet sections, 350 in every section of a pipe.
TEST(NormalDepth, UnreachedDepthStopsAfterTheSectionsStepBudget) {
    Model box = Box(6, 20, 900);
    box.InletSectionSlope = box.SteepSectionSlope = box.OutletSectionSlope = 0.001f;
    ComputeNormalDepths(box);
    EXPECT_NEAR(box.NormalDepthInlet, 15.0, 1e-3);
    EXPECT_NEAR(box.NormalDepthSteep, 16.0, 1e-3);
    EXPECT_NEAR(box.NormalDepthOutlet, 16.0, 1e-3);
    EXPECT_EQ(box.Warnings.size(), 3u);

    Model pipe = Pipe(12, 1500);
    pipe.InletSectionSlope = pipe.SteepSectionSlope = pipe.OutletSectionSlope = 0.01f;
    ComputeNormalDepths(pipe);
    for (float depth : {pipe.NormalDepthInlet, pipe.NormalDepthSteep, pipe.NormalDepthOutlet})
        EXPECT_NEAR(depth, 9.5, 1e-3);
    EXPECT_EQ(pipe.Warnings.size(), 3u);
}

TEST(NormalDepth, FlatOrAbsentSectionsRunAtTheBarrelHeight) {
    Model m = Box(8, 5, 120);
    m.InletSectionSlope = 0;  // single broken-back
    m.SteepSectionSlope = 0.2f;
    m.OutletSectionSlope = -0.01f;  // adverse outlet: no search
    ComputeNormalDepths(m);
    EXPECT_EQ(m.NormalDepthInlet, 5.0f);
    EXPECT_EQ(m.NormalDepthOutlet, 5.0f);
    EXPECT_TRUE(m.Warnings.empty());
}

TEST(NormalDepth, DischargeAbovePipeCapacityHoldsTheDepthAtTheCrownAndWarns) {
    Model m = Pipe(3, 100);  // above the capacity of the mild sections only
    m.InletSectionSlope = 0.001f;
    m.SteepSectionSlope = 0.2f;
    m.OutletSectionSlope = 0.001f;
    ComputeNormalDepths(m);
    EXPECT_EQ(m.NormalDepthInlet, 3.0f);
    EXPECT_EQ(m.NormalDepthOutlet, 3.0f);
    EXPECT_EQ(m.Warnings.size(), 2u);
}

TEST(NormalDepth, AdverseSteepSectionIsARunTimeFault) {
    Model m = Box(8, 5, 120);
    m.SteepSectionSlope = -0.05f;
    try {
        ComputeNormalDepths(m);
        FAIL() << "expected a fault";
    } catch (const RuntimeFault& f) {
        EXPECT_STREQ(f.what(), "Invalid procedure call or argument");
    }
}

TEST(CheckedArithmetic, RaisesTheRunTimeDescriptions) {
    EXPECT_THROW(Div(1, 0), RuntimeFault);
    EXPECT_THROW(Sqrt(-1), RuntimeFault);
    EXPECT_THROW(Pow(-2, 0.5), RuntimeFault);
    EXPECT_EQ(Pow(-2, 2), 4);
    EXPECT_THROW(Pow(0, -1), RuntimeFault);
    EXPECT_THROW(F32(1e39), RuntimeFault);
    EXPECT_EQ(Inc16(32766), 32767);
    try {
        Inc16(32767);
        FAIL();
    } catch (const RuntimeFault& f) {
        EXPECT_STREQ(f.what(), "Overflow");
    }
    PointArray points;
    EXPECT_THROW(points[200001], RuntimeFault);
}

}  // namespace
}  // namespace kelp
