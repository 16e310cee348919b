#include "tailwater/irregular_channel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tailwater/tailwater.h"

namespace kelp {
namespace {

// Points as station, elevation; n of the left overbank, main channel and
// right overbank. An n of 0 faults if its overbank is ever given flow.
Model Section(const std::vector<std::array<float, 2>>& points, int16_t option, int16_t left,
              int16_t right, std::array<float, 3> n, float slope = 0.001f) {
    Model m;
    m.TailwaterCode = 3;
    m.IrrCount = static_cast<int16_t>(points.size());
    for (int i = 1; i <= m.IrrCount; ++i) {
        m.IrrSta[i] = points[i - 1][0];
        m.IrrElev[i] = points[i - 1][1];
    }
    for (int j = 1; j <= 3; ++j) m.IrrN[j] = n[j - 1];
    m.IrrOption = option;
    m.IrrLeftBank = left;
    m.IrrRightBank = right;
    m.IrrSlope = slope;
    return m;
}

IrregularRating Rate(Model& m, const std::vector<float>& qs) {
    IrregularRating r;
    for (std::size_t i = 0; i < r.IrrQ.size(); ++i) r.IrrQ[i] = qs[std::min(i, qs.size() - 1)];
    RateIrregularChannel(m, r);
    return r;
}

// Manning with the rating's constants for a trapezoid of bed b and sides z.
double Trapezoid(double b, double z, double n, double y) {
    const double area = (b + z * y) * y;
    const double radius = area / (b + 2.0 * y * std::hypot(1.0, z));
    return area * std::pow(radius * radius, 0.3333) / n * 1.486 * std::sqrt(0.001);
}

Model TrapezoidSection() {
    return Section({{0, 10}, {10, 0}, {30, 0}, {40, 10}}, 4, 2, 3, {0, 0.03f, 0});
}

TEST(IrregularChannel, TrapezoidMeetsManningAtEveryDischarge) {
    Model m = TrapezoidSection();
    const std::vector<float> qs = {5, 40, 90, 150, 300, 450, 700, 900, 1100, 1300, 1500};
    const IrregularRating r = Rate(m, qs);
    for (int i = 1; i <= 11; ++i) {
        const double q = qs[i - 1], y = r.IrrWSElev[i], v = q / ((20 + y) * y);
        EXPECT_LE(std::fabs(Trapezoid(20, 1, 0.03, y) - q) / q, 0.005) << q;
        EXPECT_NEAR(r.IrrVel[i], v, 0.006 * v) << q;
    }
    // The tailwater is the first result, the one for the discharge itself.
    m.AnalysisQ = 321.5f;
    m.OutletElev = -2;
    ComputeTailwater(m);
    EXPECT_EQ(m.TWElev, Rate(m, {321.5f, 5000}).IrrWSElev[1]);
    EXPECT_FLOAT_EQ(m.TWDepth, m.TWElev + 2.0f);
    EXPECT_TRUE(m.Warnings.empty());
}

// A 3 ft slot under a floodplain 1000 ft wide: from the top of the section
// the secant creeps, and the bisection has to finish the search.
TEST(IrregularChannel, SlowSecantIsFinishedByBisection) {
    Model m = Section(
        {{0, 15}, {1, 5}, {1000, 5}, {1001, 0}, {1004, 0}, {1005, 5}, {2000, 5}, {2010, 15}}, 4, 3,
        6, {0, 0.02f, 0});
    const std::vector<float> qs = {1, 2, 3, 5, 8, 10, 12, 15, 18, 20, 22};
    const IrregularRating r = Rate(m, qs);
    for (int i = 1; i <= 11; ++i) {
        ASSERT_LT(r.IrrWSElev[i], 5.0f);
        EXPECT_LE(std::fabs(Trapezoid(3, 0.2, 0.02, r.IrrWSElev[i]) / qs[i - 1] - 1), 0.005);
    }
}

TEST(IrregularChannel, NoFlowAndCapacityExceededWarn) {
    Model m = TrapezoidSection();
    m.AnalysisQ = 0.05f;
    ComputeTailwater(m);
    EXPECT_EQ(m.TWElev, 0.0f);
    EXPECT_EQ(m.TWVelocity, 0.0f);
    EXPECT_EQ(m.IrrStatus, kIrrNoFlow);
    EXPECT_EQ(m.Warnings.size(), 1u);
    m.Warnings.clear();
    m.AnalysisQ = 50000;
    ComputeTailwater(m);
    EXPECT_EQ(m.TWElev, 10.0f);
    EXPECT_EQ(m.IrrStatus, kIrrCapacityExceeded);
    EXPECT_EQ(m.Warnings, std::vector<std::string>{
                              "The discharge exceeds the capacity of the irregular downstream "
                              "channel; the tailwater is held at the top of the cross-section."});
}

// The left floodplain dips to 4 ft behind the bank point at 6 ft.
TEST(IrregularChannel, LeftBankBandAndTheFloodplainBehindIt) {
    Model m = Section({{0, 10}, {20, 4}, {40, 6}, {45, 0}, {55, 0}, {60, 10}}, 1, 3, 6,
                      {0.06f, 0.03f, 0});
    IrregularRating r = Rate(m, {100});
    const double atBank = r.capacity[1], aboveBank = r.capacity[2];
    ASSERT_LT(atBank + 0.01, aboveBank);
    r = Rate(m, {static_cast<float>((atBank + aboveBank) / 2), static_cast<float>(atBank * 0.9),
                 static_cast<float>(aboveBank * 1.5)});
    EXPECT_EQ(r.state[1], kIrrLeftOverbank);
    EXPECT_EQ(r.IrrWSElev[1], 6.0f);
    EXPECT_LT(r.IrrWSElev[2], 6.0f);
    EXPECT_GT(r.IrrWSElev[3], 6.0f);
    // At the bank only the main channel counts: edge triangle, bed, triangle.
    IrregularDischarge(m, r, 6.0);
    EXPECT_EQ(r.sub[1].discharge, 0.0);
    EXPECT_NEAR(r.sub[2].area, 15.0 + 60.0 + 9.0, 1e-9);
    EXPECT_NEAR(r.sub[2].topWidth, 58.0 - 40.0, 1e-9);
}

// A pond at 2 ft lies behind the right bank point at 5 ft.
TEST(IrregularChannel, RightOverbankStartsEmptyAtItsBank) {
    Model m = Section({{0, 10}, {10, 0}, {20, 0}, {25, 5}, {35, 2}, {45, 2}, {50, 10}}, 3, 1, 4,
                      {0, 0.03f, 0.05f});
    IrregularRating r = Rate(m, {100});
    IrregularDischarge(m, r, 5.0);
    EXPECT_EQ(r.sub[3].discharge, 0.0);
    EXPECT_NEAR(r.sub[2].area, 12.5 + 50.0 + 12.5, 1e-9);
    IrregularDischarge(m, r, 5.5);
    EXPECT_GT(r.sub[3].area, 50.0);  // the pond fills over the bank
}

TEST(IrregularChannel, LowRightEndGainsAVerticalWall) {
    Model m = Section({{0, 10}, {10, 0}, {30, 0}, {40, 8}}, 4, 1, 4, {0, 0.03f, 0});
    const IrregularRating r = Rate(m, {static_cast<float>(Trapezoid(20, 1, 0.03, 9))});
    EXPECT_EQ(m.IrrCount, 5);
    EXPECT_EQ(m.IrrSta[5], 40.0f);
    EXPECT_EQ(m.IrrElev[5], 10.0f);
    EXPECT_EQ(r.state[1], kIrrNone);  // water above 8 ft is held by the wall
    EXPECT_GT(r.IrrWSElev[1], 8.0f);
    std::vector<std::array<float, 2>> points(15, {0, 0});
    for (int i = 0; i < 15; ++i) points[i] = {5.0f * static_cast<float>(i), i == 0 ? 10.0f : 7.0f};
    points[7][1] = 0;
    Model full = Section(points, 4, 1, 15, {0, 0.03f, 0});
    Rate(full, {50});
    EXPECT_EQ(full.IrrCount, 15);
    EXPECT_EQ(full.IrrElev[15], 10.0f);
}

// The reference project's section (main channel only, right end lower than
// the left) against its independently computed tailwater at every row.
TEST(IrregularChannel, ReferenceProject) {
    const float rows[][3] = {
        {20, .9532318f, 2.0459857f},  {78, 1.8291321f, 3.1927576f}, {136, 2.4174957f, 3.8243093f},
        {194, 2.896469f, 4.270886f},  {252, 3.316101f, 4.626505f},  {300, 3.623825f, 4.870538f},
        {368, 4.022415f, 5.1692743f}, {426, 4.3346405f, 5.39161f},  {484, 4.632492f, 5.595477f},
        {542, 4.9029083f, 5.774386f}, {600, 5.1603394f, 5.9397826f}};
    Model m = Section({{0, 152}, {15, 148}, {35, 146.5f}, {42, 141}, {50, 139.6f}, {58, 141.2f},
                       {66, 146}, {80, 147}, {100, 150}},
                      4, 3, 7, {0.06f, 0.035f, 0.05f}, 0.004f);
    m.OutletElev = 140;
    for (const auto& row : rows) {
        m.AnalysisQ = row[0];
        ComputeTailwater(m);
        EXPECT_NEAR(m.TWDepth, row[1], 0.002) << row[0];
        EXPECT_NEAR(m.TWElev, 140.0f + row[1], 0.002) << row[0];
        EXPECT_NEAR(m.TWVelocity, row[2], 0.002) << row[0];
    }
}

}  // namespace
}  // namespace kelp
