#include "ui/plots/plot_axes.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ui/plots/plot_frame.h"

namespace kelp {
namespace {

double Mantissa(double step) { return step / std::pow(10.0, std::floor(std::log10(step) + 1e-12)); }

bool IsRound(double step) {
    double m = Mantissa(step);
    return std::fabs(m - 1) < 1e-9 || std::fabs(m - 2) < 1e-9 || std::fabs(m - 5) < 1e-9;
}

// The next smaller round step: 5 -> 2, 2 -> 1, 1 -> 0.5.
double Finer(double step) { return step * (std::fabs(Mantissa(step) - 5) < 1e-9 ? 0.4 : 0.5); }

TEST(NiceAxis, StepsAreOneTwoOrFiveTimesAPowerOfTenWithinTheTickBudget) {
    for (double span : {0.013, 0.7, 3.0, 24.0, 240.0, 999.0, 12345.0}) {
        for (int ticks : {3, 5, 8, 12}) {
            double step = NiceStep(span, ticks);
            EXPECT_TRUE(IsRound(step)) << span << " " << ticks;
            EXPECT_LE(span / step, ticks + 1e-9);
            EXPECT_GT(span / Finer(step), ticks) << "a finer round step would also fit";
        }
    }
    EXPECT_DOUBLE_EQ(NiceAtMost(37), 20);
    EXPECT_DOUBLE_EQ(NiceAtMost(50), 50);
    EXPECT_DOUBLE_EQ(NiceAtMost(0.3), 1);
}

TEST(NiceAxis, CoversTheDataOnWholeStepsAndNeverCollapses) {
    Axis a = NiceAxis(225.25, 256.7, 6);
    EXPECT_LE(a.lo, 225.25);
    EXPECT_GE(a.hi, 256.7);
    EXPECT_DOUBLE_EQ(std::remainder(a.lo, a.step), 0);
    Axis one = NiceAxis(100, 100, 5);
    EXPECT_LT(one.lo, 100);
    EXPECT_GT(one.hi, 100);
    std::vector<double> ticks = Ticks(a);
    ASSERT_FALSE(ticks.empty());
    EXPECT_DOUBLE_EQ(ticks.front(), a.lo);
    EXPECT_DOUBLE_EQ(ticks.back(), a.hi);
    EXPECT_LE(Ticks(Axis{0, 1e9, 1}).size(), 501u) << "the tick loop is bounded";
}

TEST(NiceAxis, TickLabelsCarryTheDecimalsOfTheStep) {
    EXPECT_EQ(TickText(250, 50), "250");
    EXPECT_EQ(TickText(2.5, 0.5), "2.5");
    EXPECT_EQ(TickText(0.05, 0.05), "0.05");
    EXPECT_EQ(TickText(-10, 5), "-10");
    EXPECT_EQ(TickText(0.30000000000000004, 0.1), "0.3");
}

TEST(LabelRows, LabelsThatWouldTouchMoveToTheNextFreeRow) {
    std::vector<int> rows = LabelRows({{0, 50}, {45, 90}, {100, 150}, {60, 120}, {0, 10}}, 5);
    EXPECT_EQ(rows, (std::vector<int>{0, 1, 0, 2, 1}));
}

}  // namespace
}  // namespace kelp
