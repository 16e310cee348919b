// Headwater elevations worked out here from the written formulas (the inlet
// polynomial with its weir and orifice laws, and the sum of the losses of a
// barrel under a tailwater), on culverts chosen so that each answer is a
// closed formula.
#include <cmath>
#include <numbers>
#include <vector>

#include <gtest/gtest.h>

#include "culverts.h"
#include "engine/barrel_profile.h"
#include "engine/inlet_control.h"
#include "sections/section.h"

namespace kelp {
namespace {

using test::InletSet;
using test::Profile;

// ---- Inlet control

enum class Law { Polynomial, Weir, Orifice };

struct InletCase {
    bool pipe;
    float rise, span, q, s0;
    InletSet set;
    Law law;
};

// HW/D = a + bX + cX² + dX³ + eX⁴ + fX⁵ − s·S0 with X = q / (D^1.5·W).
double PolynomialHW(const InletCase& c, double q) {
    const double width = c.pipe ? c.rise : c.span;
    const double x = q / (std::pow(c.rise, 1.5) * width);
    const InletSet& k = c.set;
    const double ratio = k.a + k.b * x + k.c * x * x + k.d * std::pow(x, 3) +
                         k.e * std::pow(x, 4) + k.f * std::pow(x, 5) - k.slope * c.s0;
    return c.rise * ratio;
}

// The discharge at which the polynomial meets `bound`, by bisection.
double DischargeAt(const InletCase& c, double bound) {
    double lo = 0, hi = 5000;
    for (int i = 0; i < 200; ++i) {
        const double mid = (lo + hi) / 2;
        (PolynomialHW(c, mid) < bound ? lo : hi) = mid;
    }
    return lo;
}

// The weir and orifice laws are calibrated at the first discharge of the
// grid Q + k·step that reaches the bound: steps of +0.02 cfs (box) or
// +0.2 cfs (pipe) below the range, −0.2 cfs above it.
double ExpectedHW(const InletCase& c) {
    const double q = c.q, d = c.rise;
    if (c.law == Law::Weir) {
        const double step = c.pipe ? 0.2 : 0.02;
        const double qc = q + std::ceil((DischargeAt(c, 0.5 * d) - q) / step) * step;
        // HW = (Q / (W·Cw))^0.667 with Cw = qc / ((0.5D)^1.5·W)
        return std::pow(q / qc * std::pow(0.5 * d, 1.5), 0.667);
    }
    if (c.law == Law::Orifice) {
        const double qc = q - std::ceil((q - DischargeAt(c, 3 * d)) / 0.2) * 0.2;
        // HW = (Q / (A·Co))² with Co = qc / ((3D)^0.5·A)
        return std::pow(q / qc * std::sqrt(3 * d), 2);
    }
    return PolynomialHW(c, q);
}

TEST(InletControl, HeadwaterFromThePolynomialAndItsWeirAndOrificeLaws) {
    const InletCase cases[] = {
        {false, 5, 8, 300, 0.01f, test::kBoxSquareEdge, Law::Polynomial},
        {false, 5, 8, 20.01f, 0.01f, test::kBoxBevel, Law::Weir},
        {false, 5, 8, 1500, 0.01f, test::kBoxBevel, Law::Orifice},
        {true, 4, 0, 60, 0.25f, test::kConcretePipeSquareEdge, Law::Polynomial},
        {true, 4, 0, 5.05f, 0.01f, test::kPipeThinEdge, Law::Weir},
        {true, 4, 0, 250, 0.01f, test::kPipeThinEdge, Law::Orifice},
    };
    for (const InletCase& c : cases) {
        Model m;
        m.CulvertShape = c.pipe ? 1.0f : 2.0f;
        m.PipeDiameter = c.rise;
        m.BoxRise = c.rise;
        m.BoxSpan = c.span;
        m.BarrelQ = c.q;
        m.InletElev = 10;
        test::UseInlet(m, c.set);
        ComputeCriticalDepth(m);
        const double polynomial = PolynomialHW(c, c.q);
        ASSERT_EQ(polynomial < 0.5 * c.rise, c.law == Law::Weir) << c.q;
        ASSERT_EQ(polynomial > 3.0 * c.rise, c.law == Law::Orifice) << c.q;
        const double hw = ExpectedHW(c);
        ASSERT_GT(hw, m.CriticalDepth) << c.q;
        ComputeInletControl(m, c.s0);
        EXPECT_FLOAT_EQ(m.InletControlElev, static_cast<float>(10.0 + hw)) << c.q;
    }
}

// ---- Break control under a tailwater

// Circular segment at depth y through the central angle of the wetted arc.
struct Segment {
    double area, radius;
};

Segment CircleAt(double d, double y) {
    const double theta = 2.0 * std::asin(2.0 * y / d - 1.0) + std::numbers::pi;
    return {d * d * (theta - std::sin(theta)) / 8.0, d / 4.0 * (1.0 - std::sin(theta) / theta)};
}

double VelocityHead(double v) { return v * v / 64.4; }

// Friction over a length L in velocity heads: 29·n²·L / R^1.333.
double Friction(double n, double length, double radius) {
    return 29.0 * n * n * length / std::pow(radius, 1.333);
}

// Bend loss coefficient of a break between two slopes: 0.0139·θ − 0.00008·θ
// with θ = |tan S − tan S'|·57.3 degrees.
double Bend(double slope, double other) {
    const double theta = std::fabs(std::tan(slope) - std::tan(other)) * 57.3;
    return 0.0139 * theta - 0.00008 * theta;
}

void Prepare(Model& m, float q) {
    m.AnalysisQ = q;
    m.BarrelQ = q;
    ComputeCriticalDepth(m);
    ComputeNormalDepths(m);
}

// Under a tailwater above the inlet crown the whole barrel flows full; the
// head is the tailwater plus the entrance, exit, bend and friction losses.
TEST(BreakControl, FullBarrelNeedsTheTailwaterPlusEveryLoss) {
    Model box;
    test::DoubleBox(box, 56);
    Profile(box, 0, 50, 30, 49.7f, 150, 25.7f, 240, 25.25f);
    Prepare(box, 300);
    ASSERT_TRUE(BoxProfile(box));
    const double n = box.CulvertN;
    const double boxLosses = 0.2 + 1.0 + Bend(box.SteepSectionSlope, box.InletSectionSlope) +
                             Bend(box.SteepSectionSlope, box.OutletSectionSlope) +
                             Friction(n, 240, 40.0 / 18.0);
    EXPECT_NEAR(box.BreakControlElev, 56.0 + boxLosses * VelocityHead(300.0 / 40.0), 1e-5);

    // A pipe is taken full just below its crown, and its velocity is the box
    // formula with the span replaced by the diameter. A single broken-back
    // barrel has no upper bend.
    Model pipe;
    test::SinglePipe(pipe, 55);
    Prepare(pipe, 80);
    ASSERT_TRUE(PipeProfile(pipe));
    const double full = 4.0 - 0.001;
    const double pipeLosses = 0.5 + 1.0 + Bend(pipe.SteepSectionSlope, pipe.OutletSectionSlope) +
                              Friction(n, 140, CircleAt(4, full).radius);
    EXPECT_NEAR(pipe.BreakControlElev, 55.0 + pipeLosses * VelocityHead(80.0 / (4.0 * full)),
                1e-5);
}

// A pipe under a tailwater between its inlet lip plus critical depth and its
// inlet crown. The inlet section is laid at about the friction slope of the
// full pipe, so that every reach is crossed in one step from its start depth.
// Friction runs at the velocity Q/A; the exit loss at Q/(D·y), the box formula
// with the span replaced by the diameter, y being the depth at the outlet (the
// diameter where the outlet is drowned).
struct PipeUnderTailwater {
    float tailwater;
    double exitDepth;
    double fullLength;  // drowned part, and the step that carries it to a break
    bool lowerBend;     // the drowned part reaches the lower break
    std::vector<std::pair<double, double>> steps;  // length and start depth of each step
    double inletDepth;
};

TEST(BreakControl, PipeUnderATailwaterSumsItsLossesAtTheirOwnVelocities) {
    const PipeUnderTailwater cases[] = {
        // Crown meets the tailwater in the steep section.
        {103.0f, 4, 80, true, {{20, 3.989}}, 3.999},
        // Exactly at the lower break's crown: that bend lies in the drowned part.
        {F32(98.392 + 4.0), 4, 80, true, {{20, 3.989}}, 3.999},
        // In the outlet section: no bend in the drowned part.
        {102.2f, 4, 40, false, {{40, 3.989}, {20, 3.979}}, 3.989},
        // Free outlet, 3.908 ft deep: all three reaches are walked.
        {101.9f, 3.908, 0, false, {{40, 3.908}, {40, 3.898}, {20, 3.888}}, 3.898},
    };
    for (const PipeUnderTailwater& c : cases) {
        Model m;
        test::SinglePipe(m, c.tailwater);
        Profile(m, 0, 100, 20, 99.992f, 60, 98.392f, 100, 97.992f);
        Prepare(m, 30);
        ASSERT_TRUE(PipeProfile(m));
        ASSERT_EQ(m.ProfileCount, 4 + (c.fullLength > 0)) << c.tailwater;
        EXPECT_NEAR(m.DepthInlet, c.inletDepth, 1e-5) << c.tailwater;

        const double n = m.CulvertN, q = 30, d = 4;
        const Segment full = CircleAt(d, d - 0.001);
        const double bends = c.lowerBend ? Bend(m.SteepSectionSlope, m.OutletSectionSlope) : 0.0;
        double loss = (Friction(n, c.fullLength, full.radius) + bends) *
                          VelocityHead(q / full.area) +
                      VelocityHead(q / (d * c.exitDepth));
        for (const auto& [length, depth] : c.steps) {
            const Segment s = CircleAt(d, depth);
            loss += Friction(n, length, s.radius) * VelocityHead(q / s.area);
        }
        loss += 0.5 * VelocityHead(q / CircleAt(d, c.inletDepth).area);  // entrance
        EXPECT_NEAR(m.BreakControlElev, c.tailwater + loss, 2e-5) << c.tailwater;
    }
}

}  // namespace
}  // namespace kelp
