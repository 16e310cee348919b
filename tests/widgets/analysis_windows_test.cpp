#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "ui/widgets/clickable_label.h"
#include "ui/widgets/unit_menu.h"
#include "widgets/desktop_fixture.h"

namespace kelp::testing {
namespace {

class AnalysisWindowsTest : public DesktopTest {
protected:
    AnalysisWindowsTest() { TypeProject(); }
    OutputWindow& output() { return desktop.output(); }
    TableWindow& table() { return desktop.table(); }
};

TEST_F(AnalysisWindowsTest, DesignRunOpensTheResultFormAndReturnsToTheInputForm) {
    ClickDesign();
    ASSERT_TRUE(output().isVisible());
    EXPECT_TRUE(prompts.boxes.empty());
    EXPECT_FALSE(prompts.busy);
    EXPECT_EQ(output().windowTitle(), "KELP");
    EXPECT_EQ(Value("Project"), "Test culvert");
    EXPECT_EQ(Value("Discharge"), "120.0");
    EXPECT_EQ(Value("Shape"), "Box");
    EXPECT_EQ(Value("Size"), "5.0");
    EXPECT_EQ(output().sizeSpan()->text(), "8.0");
    EXPECT_EQ(output().findChild<QLabel*>("unitDischarge")->text(), "cfs");
    // A constant tailwater elevation has no channel velocity to show.
    EXPECT_TRUE(output().findChild<QLabel*>("valTailwaterVelocityNormalDownstream")->isHidden());
    bool jump = model.JumpFlag == "YES";
    EXPECT_EQ(output().findChild<QLabel*>("valJumpStation")->isHidden(), !jump);
    if (!jump) {
        EXPECT_EQ(Value("Depth at End of Hydraulic Jump"), "N/A");
    }

    output().unitMenu()->metric()->trigger();
    EXPECT_EQ(Value("Discharge"), "3.398");
    EXPECT_EQ(output().findChild<QLabel*>("unitOutletVelocity")->text(), "m/s");
    EXPECT_EQ(model.UnitSystem, 2);

    QTest::mouseClick(output().returnCommand()->caption(), Qt::LeftButton);
    EXPECT_FALSE(output().isVisible());
    EXPECT_FALSE(table().isVisible());
    EXPECT_EQ(model.UnitSystem, 1);
    EXPECT_EQ(edit(Field::txtDesDischarge)->text(), "120");
}

TEST_F(AnalysisWindowsTest, RangeRunFillsTheTableWhoseRowsOpenTheirDetail) {
    QTest::mouseClick(start().rangeCommand()->caption(), Qt::LeftButton);
    ASSERT_TRUE(table().isVisible());
    EXPECT_EQ(table().windowTitle(), "Data Output Table");
    EXPECT_EQ(table().findChild<QLabel*>("lblProject")->text(), "Test culvert");
    EXPECT_EQ(table().heading(0), "Discharge\n(cfs)");
    EXPECT_EQ(table().heading(2), "Inlet\nControl\nElevation\n(ft)");
    EXPECT_EQ(table().heading(10), "Hydraulic\nJump");
    // 30 to 400 in tens of 37 with the design discharge in place of 141.
    EXPECT_EQ(table().cell(0, 0), "30.0");
    EXPECT_EQ(table().cell(3, 0), "120.0");
    EXPECT_EQ(table().cell(4, 0), "178.0");
    EXPECT_EQ(table().cell(10, 0), "400.0");
    EXPECT_TRUE(table().detailCommand(0)->isVisibleTo(&table()));

    table().unitMenu()->metric()->trigger();
    EXPECT_EQ(table().cell(0, 0), ".850");
    EXPECT_EQ(table().heading(7), "Outlet\nVelocity\n(m/s)");
    EXPECT_TRUE(table().unitMenu()->metric()->isChecked());

    // A row's detail opens the result form; its return leads back to the table.
    QTest::mouseClick(table().detailCommand(3), Qt::LeftButton);
    ASSERT_TRUE(output().isVisible());
    EXPECT_EQ(Value("Discharge"), "3.398");
    QTest::mouseClick(output().returnCommand()->button(), Qt::LeftButton);
    EXPECT_FALSE(output().isVisible());
    EXPECT_TRUE(table().isVisible());
    EXPECT_EQ(table().cell(0, 0), "30.0");

    QTest::mouseClick(table().returnCommand()->button(), Qt::LeftButton);
    EXPECT_FALSE(table().isVisible());
    EXPECT_EQ(model.UnitSystem, 1);
    EXPECT_EQ(form().units.discharge, "cfs");
}

TEST_F(AnalysisWindowsTest, TheResultFormsReturnMenuAlwaysLeadsToTheTable) {
    ClickDesign();
    ASSERT_TRUE(output().isVisible());
    for (QAction* action : output().findChildren<QAction*>())
        if (action->text() == "&Return") action->trigger();
    EXPECT_FALSE(output().isVisible());
    EXPECT_TRUE(table().isVisible());
}

TEST_F(AnalysisWindowsTest, ARefusedCheckShowsItsMessageAndFocusesTheField) {
    Type(Field::txtMinDischarge, "150");
    ClickDesign();
    ASSERT_EQ(prompts.Texts(),
              std::vector<std::string>{
                  "Program Error:  Design discharge must be greater than minimum discharge"});
    EXPECT_FALSE(output().isVisible());
    EXPECT_FALSE(prompts.busy);
    EXPECT_EQ(QApplication::focusWidget(), edit(Field::txtDesDischarge));

    Type(Field::txtMinDischarge, "30");
    Type(Field::txtOutletsta, "100");
    ClickRange();
    EXPECT_EQ(prompts.Texts().back(),
              "Program Error:  Lower break station must be less than outlet station\"");
    EXPECT_FALSE(table().isVisible());
    EXPECT_EQ(QApplication::focusWidget(), edit(Field::txtOutletsta));
}

TEST_F(AnalysisWindowsTest, EmptyFieldsAndFaultsEndTheRunAndLeaveTheFormUsable) {
    Type(Field::txtRise, "");
    ClickDesign();
    EXPECT_EQ(prompts.Texts().back(), "Input data is insufficient !");
    EXPECT_FALSE(output().isVisible());

    Type(Field::txtRise, "5");
    // Beyond the range of a 32-bit number: an overflow while taking the form.
    form().SetText(Field::txtMaxDischarge, std::string(45, '9'));
    ClickRange();
    EXPECT_EQ(prompts.boxes.back().text,
              "KELP IS UNABLE TO PERFORM TASK, AN ERROR OCCURED DURING PROCESSING");
    EXPECT_EQ(prompts.boxes.back().title, "KELP Monitor");
    EXPECT_EQ(prompts.boxes.back().icon, Icon::Exclamation);
    EXPECT_FALSE(table().isVisible());
    ClickDesign();
    EXPECT_EQ(prompts.boxes.back().text, "Error:Overflow occurred in AssignVariables");
    EXPECT_FALSE(output().isVisible());
    EXPECT_FALSE(prompts.busy);
    EXPECT_TRUE(start().isEnabled());

    Type(Field::txtMaxDischarge, "400");
    ClickDesign();
    EXPECT_TRUE(output().isVisible());
}

TEST_F(AnalysisWindowsTest, TooSteepASlopeIsRefusedWithTheKelpBox) {
    Type(Field::txtLowerelev, "50");
    ClickDesign();
    ASSERT_FALSE(prompts.boxes.empty());
    EXPECT_EQ(prompts.boxes.back().text, "Slope greater than allowable.");
    EXPECT_EQ(prompts.boxes.back().title, "KELP");
    EXPECT_EQ(prompts.boxes.back().icon, Icon::Exclamation);
    EXPECT_FALSE(output().isVisible());
}

TEST(DesktopFeatures, EachCommandOfAnotherWindowIsOneHook) {
    QtApp();
    WidgetPrompts prompts;
    Model model;
    std::vector<std::pair<int, bool>> curves;
    int plots = 0;
    Features features;
    features.ratingCurve = [&](int kind, bool closeFirst) { curves.emplace_back(kind, closeFirst); };
    features.plotProfile = [&] { ++plots; };
    Desktop desktop(model, prompts, features);
    emit desktop.table().ratingCommand(2)->buttonClicked();
    emit desktop.table().ratingCommand(3)->captionClicked();
    emit desktop.output().plotCommand()->buttonClicked();
    EXPECT_EQ(curves, (std::vector<std::pair<int, bool>>{{2, true}, {3, false}}));
    EXPECT_EQ(plots, 1);
    EXPECT_TRUE(prompts.boxes.empty());
    emit desktop.output().hy8Command()->captionClicked();
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"This command is not available yet."});
}

}  // namespace
}  // namespace kelp::testing
