#include <QGroupBox>
#include <QRadioButton>

#include "ui/windows/input/irregular_window.h"
#include "ui/windows/unit_menu.h"
#include "windows/desktop_fixture.h"

namespace kelp::testing {
namespace {

// Eleven points, both overbanks (banks 3 and 8); station 2 is 20 ft.
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
    for (Field f : {Field::txtTWbottom, Field::txtTWrough, Field::txtTWelev}) {
        EXPECT_FALSE(start().field(f)->isEnabled()) << FieldName(f);
        EXPECT_EQ(edit(f)->text(), "") << FieldName(f);
    }
    EXPECT_EQ(editor().box(IrrBox::txtNIRC)->text(), "11");
    EXPECT_EQ(editor().station(2)->text(), "20");
    EXPECT_EQ(editor().elevation(11)->text(), "403");
    EXPECT_EQ(editor().box(IrrBox::txtNright)->text(), "0.05");
    EXPECT_EQ(editor().stationHeading()->text(), "Station (ft)");
    EXPECT_TRUE(editor().option(2)->isChecked());
    EXPECT_TRUE(editor().box(IrrBox::txtCOPT)->isHidden());

    // The count check complains and leaves the count as typed.
    TypeInto(editor().box(IrrBox::txtNIRC), "16");
    Click(editor().enterCommand());
    EXPECT_EQ(prompts.Texts(), std::vector<std::string>{"Number of Cross-Sections must be <= 15"});
    EXPECT_EQ(editor().box(IrrBox::txtNIRC)->text(), "16");
}

TEST_F(IrregularWindowTest, OptionsShowTheirBoxesAndLeavingTheCountShowsItsRows) {
    OpenEditor();
    const std::pair<IrrBox, const char*> sides[] = {{IrrBox::txtLLP, "lblLLP"},
                                                    {IrrBox::txtRP, "lblRP"},
                                                    {IrrBox::txtNleft, "lblNleft"},
                                                    {IrrBox::txtNright, "lblNright"}};
    struct Case { int option; bool left, right; };
    for (Case c : {Case{4, false, false}, Case{1, true, false}, Case{3, false, true},
                   Case{2, true, true}}) {
        Click(editor().option(c.option));
        for (int other = 1; other <= IrregularWindow::kOptions; ++other)
            EXPECT_EQ(editor().option(other)->isChecked(), other == c.option);
        for (const auto& [b, label] : sides) {
            bool left = b == IrrBox::txtLLP || b == IrrBox::txtNleft;
            bool shown = left ? c.left : c.right;
            EXPECT_EQ(!editor().box(b)->isHidden(), shown) << c.option << " " << label;
            EXPECT_EQ(!editor().findChild<QLabel*>(label)->isHidden(), shown) << label;
        }
        EXPECT_FALSE(editor().box(IrrBox::txtNmain)->isHidden());
        EXPECT_EQ(editor().box(IrrBox::txtCOPT)->text(), QString::number(c.option));
    }

    TypeInto(editor().box(IrrBox::txtNIRC), "5");
    editor().box(IrrBox::txtSlope)->setFocus();
    for (int row = 1; row <= IrregularWindow::kRows; ++row) {
        bool shown = row <= 5;
        EXPECT_EQ(!editor().station(row)->isHidden(), shown) << row;
        EXPECT_EQ(!editor().elevation(row)->isHidden(), shown) << row;
        EXPECT_EQ(!editor().rowLabel(row)->isHidden(), shown) << row;
    }
}

// The editor keeps its height from one opening to the next, shows the rows
// of a project's count as soon as it is read, and leaves no empty frame when
// a single main channel needs no bank points.
TEST_F(IrregularWindowTest, OneHeightTheRowsOfTheCountAndNoEmptyFrame) {
    OpenEditor();
    const QSize size = editor().size();
    TypeInto(editor().box(IrrBox::txtNIRC), "5");
    editor().box(IrrBox::txtSlope)->setFocus();
    editor().close();
    OpenEditor();
    EXPECT_EQ(editor().size(), size);
    editor().close();
    ASSERT_TRUE(desktop.Load(kIrregularProject));
    OpenEditor();
    EXPECT_EQ(editor().size(), size);
    for (int row = 1; row <= IrregularWindow::kRows; ++row)
        EXPECT_EQ(!editor().station(row)->isHidden(), row <= 11) << row;

    QGroupBox* banks = nullptr;
    for (QGroupBox* group : editor().findChildren<QGroupBox*>())
        if (group->title() == kBoundaryCaption) banks = group;
    ASSERT_NE(banks, nullptr);
    Click(editor().option(4));
    EXPECT_TRUE(banks->isHidden());
    Click(editor().option(1));
    EXPECT_FALSE(banks->isHidden());
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
    // Each box is judged on its own text, not on another box's point.
    TypeInto(editor().elevation(3), "-9.5");
    EXPECT_EQ(editor().elevation(3)->text(), "-9.5");
    EXPECT_EQ(desktop.session().irregularEditor().StationText(3), "-1.23");
    // Enter moves on to the next box.
    QTest::keyClick(editor().elevation(3), Qt::Key_Return);
    EXPECT_NE(QApplication::focusWidget(), editor().elevation(3));
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
    EXPECT_EQ(model.IrrSlope, 0.003f);
    EXPECT_FALSE(form().dataChanged);

    TypeInto(editor().box(IrrBox::txtSlope), "0.004");
    Click(editor().option(4));
    Click(editor().saveCommand());
    EXPECT_FALSE(editor().isVisible());
    EXPECT_EQ(model.IrrSta[2], 21.5f);
    EXPECT_EQ(model.IrrSlope, 0.004f);
    EXPECT_EQ(model.IrrOption, 4);
    // Hidden boxes are saved as they stand.
    EXPECT_EQ(model.IrrRightBank, 8);
    EXPECT_EQ(model.IrrN[3], 0.05f);
    // The section belongs to the project: the exit prompt asks about it.
    EXPECT_TRUE(form().dataChanged);
}

TEST_F(IrregularWindowTest, AUnitSwitchRewritesTheRowsFromTheSectionInFeet) {
    ASSERT_TRUE(desktop.Load(kIrregularProject));
    OpenEditor();
    TypeInto(editor().station(2), "99");
    start().unitMenu()->metric()->trigger();
    EXPECT_EQ(editor().stationHeading()->text(), "Station (m)");
    EXPECT_EQ(editor().elevationHeading()->text(), "Elevation (m)");
    EXPECT_EQ(editor().station(2)->text(), "6.10");
    EXPECT_EQ(editor().elevation(1)->text(), "122.53");
    EXPECT_EQ(editor().station(15)->text(), "0.00");
    EXPECT_EQ(model.IrrSta[2], 20.0f);  // the switch rewrites boxes, not the section

    // A switch reaches the editor while it is closed, and opening it again
    // shows the metric rows.
    Click(editor().saveCommand());
    start().unitMenu()->english()->trigger();
    EXPECT_EQ(editor().station(2)->text(), "20.00");
    start().unitMenu()->metric()->trigger();
    OpenEditor();
    EXPECT_EQ(editor().station(2)->text(), "6.096074");
    EXPECT_EQ(editor().stationHeading()->text(), "Station (m)");
}

TEST_F(IrregularWindowTest, OpeningAnotherProjectShowsItsSectionInTheOpenEditor) {
    OpenEditor();
    EXPECT_EQ(editor().box(IrrBox::txtNIRC)->text(), "0");
    ASSERT_TRUE(desktop.Load(kIrregularProject));
    EXPECT_EQ(editor().box(IrrBox::txtNIRC)->text(), "11");
    EXPECT_EQ(editor().station(2)->text(), "20");
}

}  // namespace
}  // namespace kelp::testing
