#include <QImage>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>

#include "ui/plots/plot_style.h"
#include "ui/windows/help/help_window.h"
#include "ui/windows/plots/profile_window.h"
#include "ui/windows/plots/rating_curve_window.h"
#include "ui/windows/print/print_dialogs.h"
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
        PictureCommand* command = table().ratingCommand(kind);
        QTest::mouseClick(picture ? static_cast<QWidget*>(command->button()) : command->caption(),
                          Qt::LeftButton);
    }
};

// The profile pictures the analysis on the result form, in its unit: a range
// run changes the model, not the picture; a row's detail takes its place.
TEST_F(PlotWindowsTest, ProfileShowsTheAnalysisOnTheResultFormInItsUnit) {
    ClickDesign();
    QTest::mouseClick(output().plotCommand()->caption(), Qt::LeftButton);
    ASSERT_TRUE(profile().isVisible());
    EXPECT_EQ(profile().windowTitle(), "Water Surface Profile");
    EXPECT_EQ(profile().analysis().AnalysisQ, 120.0f);
    EXPECT_TRUE(Shows(profile(), kWaterLineColour));
    output().unitMenu()->metric()->trigger();
    EXPECT_TRUE(profile().metricUnits());

    ClickRange();
    EXPECT_EQ(profile().analysis().AnalysisQ, 120.0f);
    QTest::mouseClick(table().detailCommand(0), Qt::LeftButton);
    EXPECT_EQ(profile().analysis().AnalysisQ, 30.0f);
}

TEST_F(PlotWindowsTest, PictureButtonReplacesTheOpenCurvesWhileTheCaptionAddsOne) {
    ClickRange();
    ClickCurve(1, true);
    ASSERT_EQ(Titles(desktop.ratingCurves()),
              std::vector<QString>{"DISCHARGE vs. HEADWATER DEPTH"});
    EXPECT_TRUE(Shows(*desktop.ratingCurves()[0], kCurveColour));
    ClickCurve(2, true);
    ClickCurve(3, false);
    EXPECT_EQ(Titles(desktop.ratingCurves()),
              (std::vector<QString>{"DISCHARGE vs. OUTLET DEPTH", "DISCHARGE vs. OUTLET VELOCITY"}));

    // Every open curve follows the table's unit menu; one the user closed is
    // no longer counted.
    table().unitMenu()->metric()->trigger();
    for (RatingCurveWindow* curve : desktop.ratingCurves()) EXPECT_TRUE(curve->metricUnits());
    desktop.ratingCurves()[0]->close();
    ClickCurve(1, false);
    EXPECT_EQ(Titles(desktop.ratingCurves()),
              (std::vector<QString>{"DISCHARGE vs. OUTLET VELOCITY", "DISCHARGE vs. HEADWATER DEPTH"}));
    EXPECT_TRUE(prompts.boxes.empty());
}

TEST_F(PlotWindowsTest, WindowsOpenBesideTheirOwnAndEscapeClosesThePictures) {
    ClickRange();
    QTest::mouseClick(table().detailCommand(0), Qt::LeftButton);
    // The result form is centred on the screen, as the table is.
    // (QRect's centre rounds each odd size down, hence the pixel or two.)
    EXPECT_LE((output().frameGeometry().center() - ScreenArea(table()).center()).manhattanLength(),
              4);
    emit output().plotCommand()->buttonClicked();
    ExpectBeside(profile(), output());
    ClickCurve(1, false);
    ClickCurve(2, false);
    std::vector<RatingCurveWindow*> curves = desktop.ratingCurves();
    ASSERT_EQ(curves.size(), 2u);
    ExpectBeside(*curves[0], table());
    ExpectBeside(*curves[1], *curves[0]);
    for (QWidget* picture : {static_cast<QWidget*>(&profile()), static_cast<QWidget*>(curves[1])}) {
        QTest::keyClick(picture, Qt::Key_Escape);
        EXPECT_FALSE(picture->isVisible()) << qPrintable(picture->windowTitle());
    }
}

TEST(PrintPreview, OpensBesideItsWindowAsTallAsTheScreenAllowsAndFittedToItsWidth) {
    TestApp<QApplication>();
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

// Each window prints the session's form and table; help is one window for
// all, about is a box.
TEST_F(PlotWindowsTest, PrintSourcesHelpAndAbout) {
    const Features& f = desktop.features();
    EXPECT_TRUE(f.printPreview && f.print && f.help && f.about && f.plotProfile && f.ratingCurve);
    PrintSource source = desktop.PrintSourceOf(WindowKind::Table);
    EXPECT_EQ(source.table, &session().ratingTable());
    EXPECT_EQ(source.form, &form());

    emit start().helpRequested();
    emit output().helpRequested();
    int shown = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        shown += dynamic_cast<HelpWindow*>(w) && w->isVisible();
    EXPECT_EQ(shown, 1);
    emit start().aboutRequested();
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].title, "About KELP");
}

}  // namespace
}  // namespace kelp::testing
