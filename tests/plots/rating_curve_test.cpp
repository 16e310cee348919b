#include "ui/plots/rating_curve.h"

#include <gtest/gtest.h>

#include "form/runs.h"
#include "model/gcc12_restrict.h"
#include "plots/plot_fixtures.h"
#include "support/double_box.h"

namespace kelp {
namespace {

using test::Render;

// Rows 0..100 cfs by tens, row 0 not analysed; values that tell rows apart.
RatingTable TenByTen() {
    RatingTable t;
    for (int i = 0; i < RatingTable::kRows; ++i) {
        float row = static_cast<float>(i);
        t.TableQ[i] = 10 * row;
        t.TableHW[i] = 1 + row;
        t.TableOutDepth[i] = 0.5f * row;
        t.TableOutVel[i] = 2 * row;
        t.TableJump[i] = i == 0 ? "NA" : "NO";
    }
    return t;
}

TEST(RatingCurveData, EachKindPlotsItsColumnAndSkipsTheRowNotAnalysed) {
    Model m;
    m.DesignQ = 40;
    RatingTable t = TenByTen();
    struct Expect { int kind; const char* title; const char* yTitle; double y5; const char* design; };
    for (const Expect& e :
         {Expect{1, "DISCHARGE vs. HEADWATER DEPTH", "HEADWATER DEPTH(ft)", 6,
                 "Design D = 5.00 ft"},
          Expect{2, "DISCHARGE vs. OUTLET DEPTH", "OUTLET DEPTH(ft)", 2.5, "Design D = 2.00 ft"},
          Expect{3, "DISCHARGE vs. OUTLET VELOCITY", "OUTLET VELOCITY(ft/s)", 10,
                 "Design V = 8.00 ft/s"}}) {
        RatingCurveData d = BuildRatingCurve(m, t, e.kind, false);
        EXPECT_EQ(d.title, e.title);
        EXPECT_EQ(d.xTitle, "DISCHARGE(cfs)");
        EXPECT_EQ(d.yTitle, e.yTitle);
        ASSERT_EQ(d.points.size(), 10u);
        EXPECT_EQ(d.points.front().x(), 10);
        EXPECT_EQ(d.points[4], QPointF(50, e.y5));
        EXPECT_EQ(d.design, (std::vector<std::string>{e.design, "Q = 40.0 cfs"}));
    }
    EXPECT_THROW(BuildRatingCurve(m, t, 4, false), RuntimeFault);
    EXPECT_THROW(BuildRatingCurve(m, t, 0, false), RuntimeFault);
}

TEST(RatingCurveData, DesignBetweenRowsIsReadOffTheLineInTheUnitShown) {
    Model m;
    KELP_IGNORE_GCC12_RESTRICT_BEGIN
    m.ProjectName = "P";
    KELP_IGNORE_GCC12_RESTRICT_END
    m.DesignQ = 45;
    RatingCurveData d = BuildRatingCurve(m, TenByTen(), 3, true);
    EXPECT_EQ(d.project.front(), "Project: P");
    EXPECT_EQ(d.xTitle, "DISCHARGE(cms)");
    EXPECT_EQ(d.yTitle, "OUTLET VELOCITY(m/s)");
    EXPECT_NEAR(d.points.back().x(), 100 / 35.3147, 1e-9);
    EXPECT_NEAR(d.points.back().y(), 20 / 3.2808, 1e-9);
    EXPECT_EQ(d.design, (std::vector<std::string>{"Design V = 2.74 m/s", "Q = 1.274 cms"}));
    for (float outside : {120.0f, 5.0f}) {  // beyond the rows; below row 1 with row 0 not analysed
        m.DesignQ = outside;
        d = BuildRatingCurve(m, TenByTen(), 1, false);
        EXPECT_FALSE(d.designPoint);
        EXPECT_TRUE(d.design.empty());
    }
}

// The picture of a real table: the curve passes through every row and the
// design point is marked.
TEST(RatingCurvePicture, CurvePassesThroughTheTablePoints) {
    Model m;
    InputForm form(m, "2024-05-01");
    testing::FillDoubleBox(form);
    for (auto [field, q] : {std::pair{Field::txtMinDischarge, "50"},
                            {Field::txtDesDischarge, "275"}, {Field::txtMaxDischarge, "800"}})
        form.SetText(field, q);
    RatingTable t;
    ASSERT_EQ(RunRange(form, t).kind, RunOutcome::Kind::Analysed);
    for (int kind = 1; kind <= 3; ++kind) {
        for (bool metric : {false, true}) {
            QRectF area(0, 0, 1100, 750);
            QImage image = Render(1100, 750, [&](QPainter& p, const QRectF& a) {
                DrawRatingCurve(p, a, m, t, kind, metric);
            });
            if (!metric) test::SavePng(image, "rating_curve_" + std::to_string(kind));
            RatingCurveData d = BuildRatingCurve(m, t, kind, metric);
            RatingCurveLayout l = LayoutRatingCurve(area, d);
            ASSERT_EQ(d.points.size(), 11u);
            for (const QPointF& pt : d.points) {
                if (d.designPoint &&
                    (l.transform.Map(pt) - l.transform.Map(*d.designPoint)).manhattanLength() < 20)
                    continue;
                EXPECT_TRUE(test::Near(test::PixelAt(image, l.transform.Map(pt)), kCurveColour))
                    << kind << " " << pt.x();
                EXPECT_TRUE(l.plot.contains(l.transform.Map(pt)));
            }
            ASSERT_TRUE(d.designPoint);
            EXPECT_TRUE(
                test::Near(test::PixelAt(image, l.transform.Map(*d.designPoint)), kDesignColour));
        }
    }
}

}  // namespace
}  // namespace kelp
