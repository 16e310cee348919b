#include "ui/plots/profile_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "model/number_text.h"
#include "plots/plot_fixtures.h"

namespace kelp {
namespace {

using test::Render;

constexpr double kTol = 1e-3;

struct Case {
    const char* name;
    Model (*make)();
};

class EveryProfile : public ::testing::TestWithParam<Case> {};

INSTANTIATE_TEST_SUITE_P(Culverts, EveryProfile,
                         ::testing::Values(Case{"outlet_jump", test::BoxWithOutletJump},
                                           Case{"jump_across_break", test::BoxWithJumpAcrossBreak},
                                           Case{"full_box", test::FullBox},
                                           Case{"pipe_jump", test::PipeWithJump}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_P(EveryProfile, WaterLiesBetweenInvertAndCrownInStationOrder) {
    Model m = GetParam().make();
    ProfileGeometry g = BuildProfileGeometry(m, false);
    ASSERT_EQ(g.surface.size(), static_cast<std::size_t>(m.ProfileIndex));
    for (std::size_t i = 0; i < g.surface.size(); ++i) {
        const QPointF& s = g.surface[i];
        EXPECT_GE(s.x(), m.InletSta - kTol);
        EXPECT_LE(s.x(), m.OutletSta + kTol);
        if (i > 0) {
            EXPECT_GE(s.x(), g.surface[i - 1].x());
        }
        EXPECT_GE(s.y(), PolylineY(g.invert, s.x()) - kTol);
        EXPECT_LE(s.y(), PolylineY(g.crown, s.x()) + kTol);
    }
    // The first point stands on the inlet invert at the inlet depth.
    EXPECT_NEAR(g.surface.front().y(),
                m.InletElev + std::min(double{m.DepthInlet}, BarrelHeightFeet(m)), 0.01);
}

TEST_P(EveryProfile, BreakPointsSitAtTheBreakStations) {
    Model m = GetParam().make();
    ProfileGeometry g = BuildProfileGeometry(m, false);
    ASSERT_TRUE(g.lowerBreakMark);
    EXPECT_NEAR(g.lowerBreakMark->x(), m.LowerBreakSta, kTol);
    // A depth the analysis leaves below zero is drawn on the invert.
    double depth = std::clamp(double{m.DepthLowerBreak}, 0.0, BarrelHeightFeet(m));
    EXPECT_NEAR(g.lowerBreakMark->y(), m.LowerBreakElev + depth, 0.01);
    EXPECT_EQ(g.upperBreakMark.has_value(), m.UpperBreakSta > m.InletSta);
    if (g.upperBreakMark) {
        EXPECT_NEAR(g.upperBreakMark->x(), m.UpperBreakSta, kTol);
    }
    std::vector<StationLabel> labels = StationLabels(g);
    EXPECT_EQ(labels.size(), 3u + g.upperBreakMark.has_value() + (m.JumpFlag == "YES"));
}

TEST_P(EveryProfile, MetricPictureIsTheEnglishOneDividedByFeetPerMetre) {
    Model m = GetParam().make();
    ProfileGeometry ft = BuildProfileGeometry(m, false), me = BuildProfileGeometry(m, true);
    ASSERT_EQ(ft.surface.size(), me.surface.size());
    for (std::size_t i = 0; i < ft.surface.size(); i += 7)
        EXPECT_LT((me.surface[i] - ft.surface[i] / 3.2808).manhattanLength(), kTol);
}

TEST_P(EveryProfile, ScalesAreTrueWithARoundExaggerationAndEverythingInView) {
    testing::TestApp();
    Model m = GetParam().make();
    ProfileGeometry g = BuildProfileGeometry(m, false);
    for (QRectF area :
         {QRectF(0, 0, 1200, 800), QRectF(50, 30, 3300, 2550), QRectF(0, 0, 640, 480)}) {
        ProfileLayout l = LayoutProfile(area, g, BuildProfileTexts(m, false));
        const Transform& t = l.transform;
        EXPECT_NEAR(t.ScaleY() / t.ScaleX(), l.exaggeration, 1e-9);
        EXPECT_EQ(l.exaggeration, NiceAtMost(l.exaggeration));
        EXPECT_LE(t.Y().lo, g.lowest);
        EXPECT_GE(t.Y().hi, g.highest);
        EXPECT_LE(t.X().lo, m.InletSta);
        EXPECT_GE(t.X().hi, m.OutletSta);
        EXPECT_TRUE(area.contains(l.plot) && l.plot.top() >= l.header.bottom());
        // The barrel fills a good part of the height, so the water reads.
        EXPECT_GT((g.highest - g.lowest) * t.ScaleY(), 0.3 * l.plot.height());
    }
}

// Invert colour on the invert line and water colour halfway up to the surface,
// at stations clear of the breaks' marks and the jump's hatching.
TEST_P(EveryProfile, RenderedWaterStandsOnTheInvert) {
    Model m = GetParam().make();
    QImage image =
        Render(1200, 800, [&](QPainter& p, const QRectF& a) { DrawProfile(p, a, m, false); });
    test::SavePng(image, std::string("profile_") + GetParam().name);
    ProfileGeometry g = BuildProfileGeometry(m, false);
    const Transform t =
        LayoutProfile(QRectF(0, 0, 1200, 800), g, BuildProfileTexts(m, false)).transform;
    double length = g.outletSta - g.inletSta;
    auto busy = [&](double x) {
        for (double sta : {g.upperBreakSta.value_or(g.inletSta), g.lowerBreakSta})
            if (std::fabs(x - sta) < 0.03 * length) return true;
        return g.jump && x > g.jump->start - 0.03 * length && x < g.jump->end + 0.03 * length;
    };
    int checked = 0;
    for (int k = 1; k < 40; ++k) {
        double x = g.inletSta + length * k / 40;
        QPointF bed = t.Map(x, PolylineY(g.invert, x));
        QPointF top = t.Map(x, PolylineY(g.surface, x));
        if (busy(x) || bed.y() - top.y() < 12) continue;
        EXPECT_TRUE(test::Near(test::PixelAt(image, bed), kInvertColour, 40)) << x;
        EXPECT_TRUE(test::Near(test::PixelAt(image, (bed + top) / 2), kWaterFillColour)) << x;
        ++checked;
    }
    EXPECT_GT(checked, 3);
}

TEST(ProfileGeometry, StationsCountFromTheInletStation) {
    Model m;
    test::DoubleBox(m, 232);
    test::Profile(m, 1000, 250, 1030, 249.7f, 1150, 225.7f, 1240, 225.25f);
    AnalyseDischarge(m, 200);
    ProfileGeometry g = BuildProfileGeometry(m, false);
    EXPECT_NEAR(g.surface.front().x(), 1000, kTol);
    EXPECT_NEAR(g.lowerBreakMark->x(), 1150, kTol);
    ASSERT_TRUE(g.jump);
    EXPECT_NEAR(g.jump->start, 1000 + m.JumpStation, kTol);
    EXPECT_NEAR(g.jump->end, 1000 + m.JumpStation + m.JumpLength, kTol);
}

TEST(ProfileGeometry, AFullBarrelIsDrawnAtTheCrownAndTheTailwaterShown) {
    Model m = test::FullBox();
    ProfileGeometry g = BuildProfileGeometry(m, false);
    for (const QPointF& s : g.surface) EXPECT_NEAR(s.y(), PolylineY(g.crown, s.x()), kTol);
    ASSERT_TRUE(g.tailwater);
    EXPECT_NEAR(*g.tailwater, 256, kTol);
    EXPECT_NEAR(*g.headwater, m.HWElev, kTol);
    m.TWElev = 100;  // a constant tailwater far below the barrel is left off the picture
    EXPECT_FALSE(BuildProfileGeometry(m, false).tailwater);
}

TEST(ProfileGeometry, NothingAnalysedDrawsTheBarrelAlone) {
    Model m;
    test::DoubleBox(m, 232);
    EXPECT_TRUE(BuildProfileGeometry(m, false).surface.empty());
    Render(400, 300, [&](QPainter& p, const QRectF& a) { DrawProfile(p, a, m, true); });
}

bool Has(const ProfileTexts& t, const std::string& line) {
    for (const auto* block : {&t.project, &t.culvert, &t.results})
        if (std::find(block->begin(), block->end(), line) != block->end()) return true;
    return line == t.title || line == t.xTitle || line == t.yTitle;
}

TEST(ProfileTexts, BoxInEnglishAndPipeInMetricUnits) {
    Model box = test::BoxWithOutletJump();
    ProfileTexts t = BuildProfileTexts(box, false);
    for (const char* expected :
         {"STATION(ft)", "Project: US 20 over Kestrel Creek", "Location: MP 14.2",
          "Date: 2024-05-01", "Q = 200.0 cfs", "Concrete Box Culvert", "Span (per barrel)= 8.00 ft",
          "Rise= 5.00 ft", "Culvert Material: Concrete", "Rough. Coeff.= 0.012",
          "Outlet Sec. Rough. Coeff.= 0.014", "Inlet Section Slope= 0.0100 ft/ft",
          "Steep Section Slope= 0.2000 ft/ft", "Outlet Section Slope= 0.0050 ft/ft",
          "Tailwater El.= 232.00 ft", "Hydraulic Jump? YES"})
        EXPECT_TRUE(Has(t, expected)) << expected;
    EXPECT_TRUE(
        Has(t, "Jump Station= " + FormatNumber(box.JumpStation, "0.00") + " ft from inlet"));

    Model pipe = test::PipeWithJump();
    pipe.PipeMaterial = 2;
    pipe.JumpFlag = "NO";
    t = BuildProfileTexts(pipe, true);
    for (const char* expected : {"STATION(m)", "Q = 2.832 cms", "Circle Pipe Culvert",
                                 "Diameter=1.22 m", "Culvert Material: Corr. Metal Pipe",
                                 "Steep Section Slope= 0.2000 m/m", "Hydraulic Jump? NO"})
        EXPECT_TRUE(Has(t, expected)) << expected;
    // A single broken-back has no inlet section; no jump, no jump lines.
    EXPECT_EQ(t.results.size(), 5u);
    EXPECT_EQ(ExaggerationText(10), "Vertical exaggeration 10:1");
}

}  // namespace
}  // namespace kelp
