#include <QAction>
#include <QImage>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>

#include "support/temp_dir.h"
#include "ui/plots/plot_style.h"
#include "ui/plots/profile_texts.h"
#include "ui/windows/clickable_label.h"
#include "ui/windows/help/help_window.h"
#include "ui/windows/plots/profile_window.h"
#include "ui/windows/plots/rating_curve_window.h"
#include "ui/windows/print/print_dialogs.h"
#include "ui/windows/unit_menu.h"
#include "ui/windows/window_placement.h"
#include "windows/desktop_fixture.h"

namespace kelp::testing {
namespace {

// True when the window, painted offscreen, shows a pixel of `colour`: the
// picture was drawn, not left blank.
bool Shows(QWidget& window, QRgb colour) {
    QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour) return true;
    return false;
}

QRect ScreenArea(const QWidget& window) { return window.screen()->availableGeometry(); }

// A window opened from another lies down and to the right of it, on the
// screen, so that the other's title and its left edge stay in view.
void ExpectBeside(const QWidget& window, const QWidget& parent) {
    const QRect frame = window.frameGeometry();
    EXPECT_GT(frame.left(), parent.frameGeometry().left()) << qPrintable(window.objectName());
    EXPECT_GT(frame.top(), parent.frameGeometry().top()) << qPrintable(window.objectName());
    EXPECT_TRUE(ScreenArea(window).contains(frame)) << qPrintable(window.objectName());
}

std::vector<QString> Titles(const std::vector<RatingCurveWindow*>& windows) {
    std::vector<QString> titles;
    for (const RatingCurveWindow* w : windows) titles.push_back(w->windowTitle());
    return titles;
}

class PlotWindowsTest : public DesktopTest {
protected:
    PlotWindowsTest() { TypeProject(); }
    ProfileWindow& profile() { return desktop.profile(); }
    void ClickCurve(int kind, bool picture) {
        PictureCommand* command = desktop.table().ratingCommand(kind);
        QTest::mouseClick(picture ? static_cast<QWidget*>(command->button()) : command->caption(),
                          Qt::LeftButton);
    }
};

TEST_F(PlotWindowsTest, ProfileShowsTheAnalysisOnTheResultFormInItsUnit) {
    ClickDesign();
    QTest::mouseClick(desktop.output().plotCommand()->caption(), Qt::LeftButton);
    ASSERT_TRUE(profile().isVisible());
    EXPECT_EQ(profile().windowTitle(), "Water Surface Profile");
    EXPECT_EQ(profile().analysis().AnalysisQ, 120.0f);
    EXPECT_FALSE(profile().metricUnits());
    EXPECT_TRUE(Shows(profile(), kWaterLineColour));

    desktop.output().unitMenu()->metric()->trigger();
    EXPECT_TRUE(profile().metricUnits());

    // A range run changes the model, not the picture of the result form; a
    // row's detail shown on the result form is pictured in its place.
    ClickRange();
    ASSERT_TRUE(desktop.table().isVisible());
    EXPECT_EQ(profile().analysis().AnalysisQ, 120.0f);
    QTest::mouseClick(desktop.table().detailCommand(0), Qt::LeftButton);
    EXPECT_EQ(profile().analysis().AnalysisQ, 30.0f);
    EXPECT_TRUE(profile().isVisible());
}

// Saving takes nothing into the model: the profile plotted again after a
// save of a metric form shows the same numbers as before it.
TEST_F(PlotWindowsTest, SavingAMetricFormLeavesTheProfileOfTheLastAnalysis) {
    start().unitMenu()->metric()->trigger();
    ClickDesign();
    auto shown = [&] {
        QTest::mouseClick(desktop.output().plotCommand()->caption(), Qt::LeftButton);
        ProfileTexts texts = BuildProfileTexts(profile().analysis(), profile().metricUnits());
        return std::vector<std::vector<std::string>>{texts.project, texts.culvert, texts.results};
    };
    const auto before = shown();
    TempDir dir;
    prompts.files = {dir / "metric.klp"};
    MenuAction(start(), "&Save")->trigger();
    ASSERT_TRUE(prompts.Spent());
    EXPECT_EQ(shown(), before);
}

TEST_F(PlotWindowsTest, PictureButtonReplacesTheOpenCurvesWhileTheCaptionAddsOne) {
    ClickRange();
    ASSERT_TRUE(desktop.table().isVisible());
    ClickCurve(1, true);
    ASSERT_EQ(Titles(desktop.ratingCurves()),
              std::vector<QString>{"DISCHARGE vs. HEADWATER DEPTH"});
    EXPECT_EQ(desktop.ratingCurves()[0]->kind(), 1);
    EXPECT_TRUE(Shows(*desktop.ratingCurves()[0], kCurveColour));

    ClickCurve(2, true);
    ClickCurve(3, false);
    EXPECT_EQ(Titles(desktop.ratingCurves()),
              (std::vector<QString>{"DISCHARGE vs. OUTLET DEPTH", "DISCHARGE vs. OUTLET VELOCITY"}));

    // Every open curve follows the table's unit menu; one the user closed is
    // no longer counted.
    desktop.table().unitMenu()->metric()->trigger();
    for (RatingCurveWindow* curve : desktop.ratingCurves()) EXPECT_TRUE(curve->metricUnits());
    desktop.ratingCurves()[0]->close();
    ClickCurve(1, false);
    EXPECT_EQ(Titles(desktop.ratingCurves()),
              (std::vector<QString>{"DISCHARGE vs. OUTLET VELOCITY", "DISCHARGE vs. HEADWATER DEPTH"}));
    ClickCurve(3, true);
    EXPECT_EQ(desktop.ratingCurves().size(), 1u);
    EXPECT_TRUE(prompts.boxes.empty());
}

TEST_F(PlotWindowsTest, WindowsOpenBesideTheirOwnAndEscapeClosesThePictures) {
    ClickRange();
    TableWindow& table = desktop.table();
    QTest::mouseClick(table.detailCommand(0), Qt::LeftButton);
    // The result form is centred on the screen, as the table is.
    // (QRect's centre rounds each odd size down, hence the pixel or two.)
    EXPECT_LE((desktop.output().frameGeometry().center() - ScreenArea(table).center())
                  .manhattanLength(),
              4);
    emit desktop.output().plotCommand()->buttonClicked();
    ExpectBeside(profile(), desktop.output());
    // Curves opened side by side step down from one another.
    ClickCurve(1, false);
    ClickCurve(2, false);
    std::vector<RatingCurveWindow*> curves = desktop.ratingCurves();
    ASSERT_EQ(curves.size(), 2u);
    ExpectBeside(*curves[0], table);
    ExpectBeside(*curves[1], *curves[0]);

    for (QWidget* picture : {static_cast<QWidget*>(&profile()), static_cast<QWidget*>(curves[1])}) {
        QTest::keyClick(picture, Qt::Key_Escape);
        EXPECT_FALSE(picture->isVisible()) << qPrintable(picture->windowTitle());
    }
}

TEST(PrintPreview, OpensBesideItsWindowAsTallAsTheScreenAllowsAndFittedToItsWidth) {
    QtApp();
    QWidget window;
    window.setGeometry(40, 30, 300, 200);
    window.show();
    QPrinter printer;
    QPrintPreviewDialog dialog(&printer, &window);
    ArrangePreview(dialog, printer, window);
    dialog.show();
    EXPECT_EQ(dialog.frameGeometry().topLeft(), window.frameGeometry().topLeft() + kOpenOffset);
    EXPECT_EQ(dialog.frameGeometry().bottom(), ScreenArea(window).bottom());
    EXPECT_EQ(dialog.findChild<QPrintPreviewWidget*>()->zoomMode(),
              QPrintPreviewWidget::FitToWidth);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}

// The input form prints its fields in the unit checked on it; the result
// windows print what they show. Help is one window; about is a box.
TEST_F(PlotWindowsTest, PrintSourcesHelpAndAbout) {
    const Features& f = desktop.features();
    EXPECT_TRUE(f.printPreview && f.print && f.help && f.about && f.plotProfile && f.ratingCurve);
    ClickDesign();
    desktop.output().unitMenu()->metric()->trigger();
    EXPECT_EQ(desktop.PrintSourceOf(WindowKind::Input).unitSystem, 1.0f);
    EXPECT_EQ(desktop.PrintSourceOf(WindowKind::Output).unitSystem, 2.0f);
    PrintSource table = desktop.PrintSourceOf(WindowKind::Table);
    EXPECT_EQ(table.table, &desktop.session().ratingTable());
    EXPECT_EQ(table.form, &desktop.session().form());

    emit start().helpRequested();
    emit desktop.output().helpRequested();
    int shown = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        shown += dynamic_cast<HelpWindow*>(w) && w->isVisible();
    EXPECT_EQ(shown, 1);
    emit start().aboutRequested();
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].title, "About KELP");
    EXPECT_NE(prompts.boxes[0].text.find("Version"), std::string::npos);
}

}  // namespace
}  // namespace kelp::testing
