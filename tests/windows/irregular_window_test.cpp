#include <QGroupBox>

#include "ui/windows/input/irregular_window.h"
#include "windows/desktop_fixture.h"

namespace kelp::testing {
namespace {

// Eleven points, both overbanks (banks 4 and 8); station 2 is 20 ft.
constexpr const char* kIrregularProject =
    KELP_SOURCE_DIR "/examples/irregular_channel_tailwater.klp";

class IrregularWindowTest : public DesktopTest {
protected:
    IrregularWindow& editor() { return desktop.irregularWindow(); }

    void OpenEditor() {
        QTest::mouseClick(start().irregularCommand(), Qt::LeftButton);
        ASSERT_TRUE(editor().isVisible());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&editor()));
    }
    void TypeInto(QLineEdit* box, const QString& keys) {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, keys);
    }
    // Near the left edge: an option button's caption may end before its middle.
    void Click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
};

TEST_F(IrregularWindowTest, TheInputFormButtonOpensTheEditorOnTheStoredSection) {
    ASSERT_TRUE(desktop.Load(kIrregularProject));
    QTest::mouseClick(start().option(Option::TWDown), Qt::LeftButton);
    Type(Field::txtTWbottom, "12");
    OpenEditor();
    EXPECT_EQ(editor().windowTitle(), "Irregular TW Rating Curve");
    EXPECT_TRUE(start().option(Option::TWIrregular)->isChecked());
    EXPECT_FALSE(start().field(Field::txtTWbottom)->isEnabled());
    EXPECT_EQ(edit(Field::txtTWbottom)->text(), "");
    EXPECT_EQ(editor().box(IrrBox::txtNIRC)->text(), "11");
    EXPECT_EQ(editor().station(2)->text(), "20");
    EXPECT_EQ(editor().box(IrrBox::txtNright)->text(), "0.05");
    EXPECT_TRUE(editor().option(2)->isChecked());
    EXPECT_TRUE(editor().box(IrrBox::txtCOPT)->isHidden());
    for (int row = 1; row <= IrregularWindow::kRows; ++row)
        EXPECT_EQ(!editor().station(row)->isHidden(), row <= 11) << row;

    // The count check complains and leaves the count as typed.
    TypeInto(editor().box(IrrBox::txtNIRC), "16");
    Click(editor().enterCommand());
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Number of Cross-Sections must be <= 15"});
    EXPECT_EQ(editor().box(IrrBox::txtNIRC)->text(), "16");
}

// Each option shows the boxes of its overbanks with their labels, and leaves
// no empty frame when it needs no bank points; the editor keeps its size.
TEST_F(IrregularWindowTest, OptionsShowTheirBoxesAndTheEditorKeepsItsSize) {
    OpenEditor();
    const QSize size = editor().size();
    QGroupBox* banks = nullptr;
    for (QGroupBox* group : editor().findChildren<QGroupBox*>())
        if (group->title() == kBoundaryCaption) banks = group;
    ASSERT_NE(banks, nullptr);
    struct Case { int option; bool left, right; };
    for (Case c : {Case{4, false, false}, Case{1, true, false}, Case{3, false, true}}) {
        Click(editor().option(c.option));
        EXPECT_EQ(Shown(editor(), "txtLLP") && Shown(editor(), "lblNleft"), c.left) << c.option;
        EXPECT_EQ(Shown(editor(), "txtRP") && Shown(editor(), "lblNright"), c.right) << c.option;
        EXPECT_EQ(banks->isHidden(), !c.left && !c.right) << c.option;
        EXPECT_EQ(editor().box(IrrBox::txtCOPT)->text(), QString::number(c.option));
    }
    editor().close();
    ASSERT_TRUE(desktop.Load(kIrregularProject));
    OpenEditor();
    EXPECT_EQ(editor().size(), size);
}

TEST_F(IrregularWindowTest, BoxesTakeALeadingMinusDigitsAndOnePoint) {
    OpenEditor();
    TypeInto(editor().station(3), "1.2.3x-e");
    EXPECT_EQ(editor().station(3)->text(), "1.23");
    // A station left of the datum; nothing goes before the sign.
    for (const char* keys : {"-", "5-"}) {
        QTest::keyClick(editor().station(3), Qt::Key_Home);
        QTest::keyClicks(editor().station(3), keys);
    }
    EXPECT_EQ(editor().station(3)->text(), "-1.23");
    EXPECT_EQ(session().irregularEditor().StationText(3), "-1.23");
    QTest::keyClick(editor().station(3), Qt::Key_Return);
    EXPECT_NE(QApplication::focusWidget(), editor().station(3));
}

TEST_F(IrregularWindowTest, SaveAndExitWritesTheSectionOrKeepsWhatWasTypedOnANonNumber) {
    ASSERT_TRUE(desktop.Load(kIrregularProject));
    OpenEditor();
    TypeInto(editor().station(2), "21.5");
    TypeInto(editor().box(IrrBox::txtSlope), "");
    Click(editor().saveCommand());
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Input data is insufficient !"});
    EXPECT_TRUE(editor().isVisible());
    EXPECT_EQ(editor().station(2)->text(), "21.5");
    EXPECT_EQ(model.IrrSta[2], 20.0f);
    EXPECT_FALSE(form().dataChanged);

    TypeInto(editor().box(IrrBox::txtSlope), "0.004");
    Click(editor().option(4));
    Click(editor().saveCommand());
    EXPECT_FALSE(editor().isVisible());
    EXPECT_EQ(model.IrrSta[2], 21.5f);
    EXPECT_EQ(model.IrrOption, 4);
    EXPECT_TRUE(form().dataChanged);
}

// The rows follow the input form's unit switch, open or closed, and the open
// editor shows the section of a project opened meanwhile.
TEST_F(IrregularWindowTest, TheRowsFollowTheUnitSwitchAndTheProjectOpened) {
    OpenEditor();
    EXPECT_EQ(editor().box(IrrBox::txtNIRC)->text(), "0");
    ASSERT_TRUE(desktop.Load(kIrregularProject));
    EXPECT_EQ(editor().box(IrrBox::txtNIRC)->text(), "11");
    start().unitMenu()->metric()->trigger();
    EXPECT_EQ(editor().stationHeading()->text(), "Station (m)");
    EXPECT_EQ(editor().station(2)->text(), "6.10");
    editor().close();
    start().unitMenu()->english()->trigger();
    EXPECT_EQ(editor().station(2)->text(), "20.00");
}

}  // namespace
}  // namespace kelp::testing
