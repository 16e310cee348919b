#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <set>

#include "support/temp_dir.h"
#include "ui/windows/clickable_label.h"
#include "ui/windows/unit_menu.h"
#include "windows/desktop_fixture.h"

namespace kelp::testing {
namespace {

class AnalysisWindowsTest : public DesktopTest {
protected:
    AnalysisWindowsTest() { TypeProject(); }
    OutputWindow& output() { return desktop.output(); }
    TableWindow& table() { return desktop.table(); }
    const ShownBox& LastBox() { return prompts.boxes.back(); }
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
    EXPECT_FALSE(output().isVisible() || table().isVisible());
    EXPECT_EQ(model.UnitSystem, 1);
    EXPECT_EQ(edit(Field::txtDesDischarge)->text(), "120");

    // The result form's Return menu always leads to the table.
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
    // 30 to 400 in tens of 37 with the design discharge in place of 141.
    EXPECT_EQ(table().cell(0, 0), "30.0");
    EXPECT_EQ(table().cell(3, 0), "120.0");
    EXPECT_EQ(table().cell(10, 0), "400.0");
    EXPECT_TRUE(table().detailCommand(0)->isVisibleTo(&table()));

    table().unitMenu()->metric()->trigger();
    EXPECT_EQ(table().cell(0, 0), ".850");
    EXPECT_EQ(table().heading(7), "Outlet\nVelocity\n(m/s)");

    // A row's detail opens the result form; its return leads back to the table.
    QTest::mouseClick(table().detailCommand(3), Qt::LeftButton);
    ASSERT_TRUE(output().isVisible());
    EXPECT_EQ(Value("Discharge"), "3.398");
    QTest::mouseClick(output().returnCommand()->button(), Qt::LeftButton);
    EXPECT_FALSE(output().isVisible());
    EXPECT_TRUE(table().isVisible());

    QTest::mouseClick(table().returnCommand()->button(), Qt::LeftButton);
    EXPECT_FALSE(table().isVisible());
    EXPECT_EQ(model.UnitSystem, 1);
    EXPECT_EQ(form().units.discharge, "cfs");
}

// A result window switched to metric keeps that unit until it returns; the
// input form's commands in the meantime still read its fields in its own unit.
TEST_F(AnalysisWindowsTest, RunsAndSavesFromTheInputFormReadItsFieldsInItsOwnUnit) {
    ClickDesign();
    output().unitMenu()->metric()->trigger();
    ClickDesign();
    EXPECT_EQ(model.DesignQ, 120.0f);
    EXPECT_EQ(Value("Discharge"), "120.0");
    EXPECT_EQ(model.UnitSystem, 1);

    output().unitMenu()->metric()->trigger();
    TempDir dir;
    prompts.files = {dir / "saved.klp"};
    MenuAction(start(), "&Save")->trigger();
    std::string text = Slurp(dir / "saved.klp");
    EXPECT_NE(text.find("\r\n30,120,400,1\r\n"), std::string::npos) << text;
    EXPECT_EQ(model.UnitSystem, 2);  // back once the save is done

    ClickRange();
    ASSERT_TRUE(table().isVisible());
    EXPECT_EQ(table().cell(3, 0), "120.0");
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
    EXPECT_EQ(LastBox().text,
              "Program Error:  Lower break station must be less than outlet station\"");
    EXPECT_FALSE(table().isVisible());
    EXPECT_EQ(QApplication::focusWidget(), edit(Field::txtOutletsta));

    Type(Field::txtOutletsta, "240");
    Type(Field::txtLowerelev, "50");
    ClickDesign();
    EXPECT_EQ(LastBox().text, "Slope greater than allowable.");
    EXPECT_EQ(LastBox().title, "KELP");
    EXPECT_EQ(LastBox().icon, Icon::Exclamation);
    EXPECT_FALSE(output().isVisible());
}

TEST_F(AnalysisWindowsTest, EmptyFieldsAndFaultsEndTheRunAndLeaveTheFormUsable) {
    Type(Field::txtRise, "");
    ClickDesign();
    EXPECT_EQ(LastBox().text, "Input data is insufficient !");
    EXPECT_FALSE(output().isVisible());

    Type(Field::txtRise, "5");
    // Beyond the range of a 32-bit number: an overflow while taking the form.
    form().SetText(Field::txtMaxDischarge, std::string(45, '9'));
    ClickRange();
    EXPECT_EQ(LastBox().text, "KELP IS UNABLE TO PERFORM TASK, AN ERROR OCCURED DURING PROCESSING");
    EXPECT_EQ(LastBox().title, "KELP Monitor");
    EXPECT_FALSE(table().isVisible());
    ClickDesign();
    EXPECT_EQ(LastBox().text, "Error:Overflow occurred in AssignVariables");
    EXPECT_FALSE(output().isVisible() || prompts.busy);
    EXPECT_TRUE(start().isEnabled());

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
    QtApp();
    RatingTable ratingTable;
    ratingTable.Warnings[4] = {"The discharge exceeds the capacity of the downstream channel."};
    TableWindow table;
    table.Fill(BuildTableTexts(ratingTable, Model{}, 1));
    for (int row = 0; row < RatingTable::kRows; ++row)
        EXPECT_EQ(table.cell(row, kTableColumns), row == 4 ? kWarningMark : "") << row;
    EXPECT_FALSE(table.notes()->isHidden());
}

// Commands that open other windows or print run the hooks given, so no test
// opens a real printer dialog.
TEST(DesktopFeatures, EachCommandOfAnotherWindowIsOneHook) {
    QtApp();
    WidgetPrompts prompts;
    Model model;
    std::vector<std::pair<int, bool>> curves;
    std::vector<std::pair<std::string, WindowKind>> prints;
    int plots = 0;
    Features features;
    features.ratingCurve = [&](int kind, bool closeFirst) { curves.emplace_back(kind, closeFirst); };
    features.plotProfile = [&] { ++plots; };
    features.printPreview = [&](WindowKind w) { prints.emplace_back("preview", w); };
    features.print = [&](WindowKind w) { prints.emplace_back("print", w); };
    Desktop desktop(model, prompts, features);
    emit desktop.table().ratingCommand(2)->buttonClicked();
    emit desktop.table().ratingCommand(3)->captionClicked();
    emit desktop.output().plotCommand()->buttonClicked();
    EXPECT_EQ(curves, (std::vector<std::pair<int, bool>>{{2, true}, {3, false}}));
    EXPECT_EQ(plots, 1);

    for (Field f : {Field::txtMinDischarge, Field::txtDesDischarge, Field::txtMaxDischarge})
        QTest::keyClicks(desktop.start().editor(f), "5");
    ASSERT_TRUE(QTest::qWaitFor([&] { return desktop.start().printAction()->isEnabled(); }, 2000));
    desktop.start().printPreviewAction()->trigger();
    desktop.start().printAction()->trigger();
    emit desktop.output().printRequested();
    emit desktop.table().printPreviewRequested();
    using P = std::pair<std::string, WindowKind>;
    EXPECT_EQ(prints, (std::vector<P>{P{"preview", WindowKind::Input}, P{"print", WindowKind::Input},
                                      P{"print", WindowKind::Output},
                                      P{"preview", WindowKind::Table}}));
    EXPECT_TRUE(prompts.boxes.empty());
    emit desktop.output().hy8Command()->captionClicked();
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"This command is not available yet."});
}

}  // namespace
}  // namespace kelp::testing
