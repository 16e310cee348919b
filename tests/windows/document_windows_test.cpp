#include "ui/windows/unit_menu.h"
#include "windows/desktop_fixture.h"

namespace kelp::testing {
namespace {

using DocumentWindowsTest = DesktopTest;

TEST_F(DocumentWindowsTest, AProjectGivenAtStartFillsTheFormAndPathsThatFailLeaveIt) {
    ASSERT_TRUE(desktop.Load(KELP_SOURCE_DIR "/examples/double_box_jump_in_barrel.klp"));
    EXPECT_EQ(edit(Field::txtProject)->text(), "US 30 over Deer Run");
    EXPECT_EQ(edit(Field::txtDesDischarge)->text(), "250");
    EXPECT_TRUE(start().option(Option::TWConstant)->isChecked());
    EXPECT_FALSE(form().dataChanged);
    EXPECT_FALSE(desktop.Load(KELP_SOURCE_DIR "/examples/no_such_project.klp"));
    EXPECT_EQ(prompts.boxes.size(), 1u);

    // File > Open of an endless device is refused at once, by name.
    prompts.files.push_back("/dev/zero");
    MenuAction(start(), "&Open...")->trigger();
    EXPECT_EQ(prompts.boxes.back().text,
              " Program Error: /dev/zero: not a regular file, so not a project RadingTheFile ");
    EXPECT_EQ(edit(Field::txtDesDischarge)->text(), "250");
    EXPECT_EQ(start().windowTitle().toStdString(),
              "KELP : " KELP_SOURCE_DIR "/examples/double_box_jump_in_barrel.klp");
}

TEST_F(DocumentWindowsTest, NewBringsBackAFreshFormInEnglishUnits) {
    TypeProject();
    start().unitMenu()->metric()->trigger();
    ASSERT_EQ(start().unitLabel(Field::txtRise)->text(), "m");
    prompts.answers.push_back(Answer::No);
    MenuAction(start(), "&New")->trigger();
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Save current file?"});
    EXPECT_EQ(edit(Field::txtDesDischarge)->text(), "");
    EXPECT_TRUE(start().option(Option::TWDown)->isChecked());
    EXPECT_TRUE(start().unitMenu()->english()->isChecked());
    EXPECT_EQ(start().unitLabel(Field::txtRise)->text(), "ft");
    EXPECT_EQ(start().unitLabel(Field::txtTWleftside)->text(), "H:1V");
    EXPECT_EQ(start().windowTitle(), "KELP : UNTITLED");
    // The fresh form is the one the window edits.
    Type(Field::txtSpan, "7");
    EXPECT_EQ(form().text(Field::txtSpan), "7");
}

TEST_F(DocumentWindowsTest, ClosingTheWindowAsksBeforeChangesAreLost) {
    Type(Field::txtProject, "unsaved");
    prompts.answers.push_back(Answer::Cancel);
    start().close();
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"WISH TO SAVE FILE BEFORE EXITING ?"});
    EXPECT_TRUE(start().isVisible());
}

TEST_F(DocumentWindowsTest, ResultLinesFollowTheProfileAndAZeroMinimumHasNoDetail) {
    TypeProject();
    QTest::mouseClick(start().option(Option::Single), Qt::LeftButton);
    ClickDesign();
    auto* breakControl = desktop.output().findChild<QLabel*>("valBreakControlElevation");
    ASSERT_TRUE(desktop.output().isVisible());
    EXPECT_TRUE(breakControl->isHidden());
    QTest::mouseClick(desktop.output().returnCommand()->button(), Qt::LeftButton);

    QTest::mouseClick(start().option(Option::Double), Qt::LeftButton);
    Type(Field::txtUppersta, "30");
    Type(Field::txtUpperelev, "249.7");
    Type(Field::txtMinDischarge, "0");
    ClickDesign();
    EXPECT_FALSE(breakControl->isHidden());
    QTest::mouseClick(desktop.output().returnCommand()->button(), Qt::LeftButton);

    ClickRange();
    ASSERT_TRUE(desktop.table().isVisible());
    EXPECT_EQ(desktop.table().cell(0, 10), "NA");
    EXPECT_FALSE(desktop.table().detailCommand(0)->isVisibleTo(&desktop.table()));
    EXPECT_TRUE(desktop.table().detailCommand(1)->isVisibleTo(&desktop.table()));
}

}  // namespace
}  // namespace kelp::testing
