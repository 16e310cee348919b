#include "tailwater/regular_channel.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tailwater/tailwater.h"

namespace kelp {
namespace {

struct Channel {
    float shape, bottom, left, right, diameter, slope, n;
};

Model Tailwater(const Channel& c, float q) {
    Model m;
    m.TailwaterCode = 2;
    m.TWShape = c.shape;
    m.TWBottomWidth = c.bottom;
    m.TWLeftSlope = c.left;
    m.TWRightSlope = c.right;
    m.TWDiameter = c.diameter;
    m.TWSlope = c.slope;
    m.TWN = c.n;
    m.OutletElev = 100;
    m.AnalysisQ = q;
    ComputeTailwater(m);
    return m;
}

// Manning's discharge written out afresh: the circle through asin, the open
// shapes from their own area and perimeter.
double Manning(const Channel& c, double y) {
    const double k = 1.49 / c.n * std::sqrt(c.slope), d = c.diameter;
    if (c.shape == 6) {
        const double theta = 2.0 * std::asin(2.0 * y / d - 1.0) + 3.14159;
        const double radius = d / 4.0 * (1.0 - std::sin(theta) / theta);
        return k * (theta - std::sin(theta)) * d * d / 8.0 * std::pow(radius, 0.667);
    }
    const double zl = c.shape == 1 ? 0.0 : c.left, zr = c.shape == 1 ? 0.0 : c.right;
    const double b = c.shape <= 2 ? c.bottom : 0.0;
    const double area = (b + (zl + zr) * y / 2.0) * y;
    const double perimeter = b + y * (std::hypot(1.0, zl) + std::hypot(1.0, zr));
    return k * std::pow(area, 1.667) / std::pow(perimeter, 0.667);
}

// The first two channels are those of reference projects, whose independently
// computed design depth and velocity they must also give.
TEST(RegularChannel, EveryShapeMatchesManningWithinOneStep) {
    const struct {
        Channel channel;
        float q, depth = 0, velocity = 0;
    } cases[] = {{{1, 12, 0, 0, 0, 0.004f, 0.035f}, 80, 1.9297504f, 3.454678f},
                 {{2, 10, 2, 3, 0, 0.003f, 0.04f}, 150, 2.8097496f, 3.13583f},
                 {{3, 0, 2, 4, 0, 0.01f, 0.03f}, 25},
                 {{4, 0, 2, 4, 0, 0.01f, 0.03f}, 25},
                 {{6, 0, 0, 0, 6, 0.005f, 0.013f}, 60},
                 {{1, 10, 0, 0, 0, 0.01f, 0.013f}, 6000}};
    for (const auto& c : cases) {
        double lo = 1e-9, hi = c.channel.shape == 6 ? 5.4 : 100.0;
        for (int i = 0; i < 200; ++i) {
            const double mid = (lo + hi) / 2.0;
            (Manning(c.channel, mid) < c.q ? lo : hi) = mid;
        }
        const Model m = Tailwater(c.channel, c.q);
        EXPECT_NEAR(m.TWDepth, lo, 0.0101) << c.q;
        EXPECT_FLOAT_EQ(m.TWElev, m.TWDepth + 100.0f);
        EXPECT_TRUE(m.Warnings.empty());
        if (c.depth > 0) {
            EXPECT_NEAR(m.TWDepth, c.depth, 0.002);
            EXPECT_NEAR(m.TWVelocity, c.velocity, 0.002);
        }
    }
}

TEST(RegularChannel, SearchLimitsAndTheirWarnings) {
    const Channel rect{1, 10, 0, 0, 0, 0.01f, 0.013f};
    // Already within 0.01 cfs at the start depth: no step is taken.
    EXPECT_EQ(Tailwater(rect, static_cast<float>(Manning(rect, 15.0))).TWDepth, 15.0f);
    // A normal depth out of reach: the budget of 1500 steps, and the step
    // that passes it, climb 15.01 ft from 15 ft.
    const Model deep = Tailwater(rect, static_cast<float>(Manning(rect, 40.0)));
    EXPECT_NEAR(deep.TWDepth, 30.01, 1e-3);
    EXPECT_EQ(deep.Warnings, std::vector<std::string>{kTailwaterSearchWarning});
    // A circle above its capacity is held just below the crown.
    const Model full = Tailwater({6, 0, 0, 0, 2, 0.01f, 0.013f}, 50);
    EXPECT_EQ(full.TWDepth, 2.0f - 0.001f);
    const double theta = 2.0 * std::asin(0.999) + 3.14159;
    EXPECT_NEAR(full.TWVelocity, 50.0 / ((theta - std::sin(theta)) * 0.5), 1e-3);
    EXPECT_EQ(full.Warnings, std::vector<std::string>{kTailwaterCapacityWarning});
    EXPECT_THROW(Tailwater({6, 0, 0, 0, 0, 0.01f, 0.013f}, 50), RuntimeFault);
}

TEST(RegularChannel, ConstantElevationMayLieBelowTheOutlet) {
    Model m;
    m.TailwaterCode = 1;
    m.TWElev = 95;
    m.OutletElev = 100.5f;
    m.TWVelocity = 7;
    ComputeTailwater(m);
    EXPECT_FLOAT_EQ(m.TWDepth, -5.5f);
    EXPECT_EQ(m.TWVelocity, 7.0f);
}

}  // namespace
}  // namespace kelp
