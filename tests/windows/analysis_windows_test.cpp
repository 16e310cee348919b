#include <QMenu>
#include <QMenuBar>
#include <set>

#include "windows/desktop_fixture.h"

namespace kelp::testing {
namespace {

class AnalysisWindowsTest : public DesktopTest {
protected:
    AnalysisWindowsTest() { TypeProject(); }
};

TEST_F(AnalysisWindowsTest, DesignRunShowsTheResultFormWhoseReturnsLeadBack) {
    ClickDesign();
    ASSERT_TRUE(output().isVisible());
    EXPECT_TRUE(prompts.boxes.empty());
    EXPECT_FALSE(prompts.busy);
    EXPECT_EQ(output().windowTitle(), "KELP");
    EXPECT_EQ(Value("Discharge"), "120.0");
    EXPECT_EQ(Value("Size") + " " + output().sizeSpan()->text(), "5.0 8.0");
    // 120 cfs jumps in the barrel; a constant tailwater has no velocity.
    EXPECT_TRUE(Shown(output(), "valJumpStation"));
    EXPECT_EQ(Value("Depth at End of Hydraulic Jump"), "4.73");
    EXPECT_FALSE(Shown(output(), "valTailwaterVelocityNormalDownstream"));

    output().unitMenu()->metric()->trigger();
    EXPECT_EQ(Value("Discharge"), "3.398");
    EXPECT_EQ(output().findChild<QLabel*>("unitOutletVelocity")->text(), "m/s");

    QTest::mouseClick(output().returnCommand()->caption(), Qt::LeftButton);
    EXPECT_FALSE(output().isVisible() || table().isVisible());
    EXPECT_EQ(edit(Field::txtDesDischarge)->text(), "120");
    ClickDesign();
    MenuAction(output(), "&Return")->trigger();
    EXPECT_FALSE(output().isVisible());
    EXPECT_TRUE(table().isVisible());
}

TEST_F(AnalysisWindowsTest, RangeRunFillsTheTableWhoseRowsOpenTheirDetail) {
    QTest::mouseClick(start().rangeCommand()->caption(), Qt::LeftButton);
    ASSERT_TRUE(table().isVisible());
    EXPECT_EQ(table().windowTitle(), "Data Output Table");
    EXPECT_EQ(table().findChild<QLabel*>("lblProject")->text(), "Test culvert");
    EXPECT_EQ(table().heading(2), "Inlet\nControl\nElevation\n(ft)");
    EXPECT_EQ(table().heading(10), "Hydraulic\nJump");
    // 30 to 400 in steps of 37, the design discharge in place of 141.
    EXPECT_EQ(table().cell(3, 0) + " " + table().cell(10, 0), "120.0 400.0");
    table().unitMenu()->metric()->trigger();
    EXPECT_EQ(table().cell(0, 0), ".850");
    EXPECT_EQ(table().heading(7), "Outlet\nVelocity\n(m/s)");

    // 178 cfs runs without a jump; its detail returns to the table.
    QTest::mouseClick(table().detailCommand(4), Qt::LeftButton);
    ASSERT_TRUE(output().isVisible());
    EXPECT_EQ(Value("Discharge"), "5.040");
    EXPECT_FALSE(Shown(output(), "valJumpStation"));
    EXPECT_EQ(Value("Depth at End of Hydraulic Jump"), "N/A");
    QTest::mouseClick(output().returnCommand()->button(), Qt::LeftButton);
    EXPECT_FALSE(output().isVisible());
    EXPECT_TRUE(table().isVisible());
    QTest::mouseClick(table().returnCommand()->button(), Qt::LeftButton);
    EXPECT_FALSE(table().isVisible());
    EXPECT_EQ(start().unitLabel(Field::txtDesDischarge)->text(), "cfs");
}

TEST_F(AnalysisWindowsTest, RefusalsFocusTheirFieldAndFaultsLeaveTheFormUsable) {
    Type(Field::txtMinDischarge, "150");
    ClickDesign();
    EXPECT_EQ(prompts.Texts(),
              std::vector<std::string>{
                  "Program Error:  Design discharge must be greater than minimum discharge"});
    EXPECT_FALSE(output().isVisible() || prompts.busy);
    EXPECT_EQ(QApplication::focusWidget(), edit(Field::txtDesDischarge));

    Type(Field::txtMinDischarge, "30");
    // Beyond the range of a 32-bit number: an overflow while taking the form.
    form().SetText(Field::txtMaxDischarge, std::string(45, '9'));
    ClickRange();
    EXPECT_EQ(prompts.boxes.back().title, "KELP Monitor");
    EXPECT_FALSE(table().isVisible() || prompts.busy);
    Type(Field::txtMaxDischarge, "400");
    ClickDesign();
    EXPECT_TRUE(output().isVisible());
}

// Every item of a File menu answers a letter of its own: "&Return" alone
// answers R on the result windows.
TEST_F(AnalysisWindowsTest, EachFileMenuItemAnswersALetterOfItsOwn) {
    for (QMainWindow* window : {static_cast<QMainWindow*>(&start()),
                                static_cast<QMainWindow*>(&output()),
                                static_cast<QMainWindow*>(&table())}) {
        QMenu* file = window->menuBar()->actions().front()->menu();
        std::set<QString> letters;
        for (const QAction* action : file->actions()) {
            if (action->isSeparator()) continue;
            EXPECT_TRUE(letters.insert(QKeySequence::mnemonic(action->text()).toString()).second)
                << qPrintable(window->objectName()) << " " << qPrintable(action->text());
        }
    }
    EXPECT_NE(MenuAction(output(), "Print Pre&view"), nullptr);
}

// A row that carries a warning is marked after its last column, as the
// printed table and kelp-cli mark it.
TEST(TableWindowMarks, AWarnedRowIsMarkedAfterItsLastColumn) {
    TestApp<QApplication>();
    RatingTable ratingTable;
    ratingTable.Warnings[4] = {"The discharge exceeds the capacity of the downstream channel."};
    TableWindow table;
    table.Fill(BuildTableTexts(ratingTable, Model{}, 1));
    for (int row = 0; row < RatingTable::kRows; ++row)
        EXPECT_EQ(table.cell(row, kTableColumns), row == 4 ? kWarningMark : "") << row;
    EXPECT_FALSE(table.notes()->isHidden());
}

// Commands that open other windows or print run the hooks given, so no test
// opens a real printer dialog; printing wakes once the discharges are given.
TEST(DesktopFeatures, EachCommandOfAnotherWindowIsOneHook) {
    TestApp<QApplication>();
    WidgetPrompts prompts;
    Model model;
    std::vector<std::pair<int, bool>> curves;
    std::vector<WindowKind> previews, prints;
    int plots = 0;
    Features features;
    features.ratingCurve = [&](int kind, bool closeFirst) { curves.emplace_back(kind, closeFirst); };
    features.plotProfile = [&] { ++plots; };
    features.printPreview = [&](WindowKind w) { previews.push_back(w); };
    features.print = [&](WindowKind w) { prints.push_back(w); };
    Desktop desktop(model, prompts, features);
    emit desktop.table().ratingCommand(2)->buttonClicked();
    emit desktop.table().ratingCommand(3)->captionClicked();
    emit desktop.output().plotCommand()->buttonClicked();
    EXPECT_EQ(curves, (std::vector<std::pair<int, bool>>{{2, true}, {3, false}}));
    EXPECT_EQ(plots, 1);

    StartWindow& start = desktop.start();
    QTimer* watcher = start.findChild<QTimer*>();
    for (Field f : {Field::txtMinDischarge, Field::txtDesDischarge, Field::txtMaxDischarge}) {
        QMetaObject::invokeMethod(watcher, "timeout");
        EXPECT_FALSE(start.printAction()->isEnabled() || start.printPreviewAction()->isEnabled());
        QTest::keyClicks(start.editor(f), "5");
    }
    QMetaObject::invokeMethod(watcher, "timeout");
    ASSERT_TRUE(start.printAction()->isEnabled() && start.printPreviewAction()->isEnabled());
    start.printPreviewAction()->trigger();
    start.printAction()->trigger();
    emit desktop.output().printRequested();
    emit desktop.table().printPreviewRequested();
    EXPECT_EQ(previews, (std::vector<WindowKind>{WindowKind::Input, WindowKind::Table}));
    EXPECT_EQ(prints, (std::vector<WindowKind>{WindowKind::Input, WindowKind::Output}));
    EXPECT_TRUE(prompts.boxes.empty());
    emit desktop.output().hy8Command()->captionClicked();
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"This command is not available yet."});
}

}  // namespace
}  // namespace kelp::testing
