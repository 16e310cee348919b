#include <QClipboard>
#include <QComboBox>
#include <QSignalSpy>

#include "windows/desktop_fixture.h"

namespace kelp::testing {
namespace {

QRgb Base(QWidget* w) { return w->palette().color(QPalette::Base).rgb() & 0xFFFFFF; }

// The entry a list has selected is the one its text names.
void ExpectSelectionFollowsText(QComboBox* list) {
    EXPECT_EQ(list->currentIndex(), list->findText(list->currentText()))
        << qPrintable(list->objectName());
}

class StartWindowTest : public DesktopTest {
protected:
    QComboBox* List(Field f) { return static_cast<QComboBox*>(start().field(f)); }
};

// The window shows the fresh form: its choices, lists, colours and labels.
TEST_F(StartWindowTest, OpensWithTheDefaultsOfANewUntitledDocument) {
    EXPECT_EQ(start().windowTitle(), "KELP : UNTITLED");
    for (Option o : {Option::Box, Option::Double, Option::TWDown})
        EXPECT_TRUE(start().option(o)->isChecked());
    EXPECT_EQ(List(Field::cboBoxinlet)->count(), 8);
    for (Field f : {Field::cboBoxinlet, Field::cboTWMaterial}) ExpectSelectionFollowsText(List(f));
    EXPECT_EQ(Base(start().field(Field::txtDiameter)), kDisabledGrey);
    EXPECT_FALSE(start().findChild<QLabel*>("lblDiameter")->isEnabled());
    EXPECT_EQ(start().unitLabel(Field::txtTWleftside)->text(), "H:1V");
    EXPECT_FALSE(start().printPreviewAction()->isEnabled() || start().printAction()->isEnabled());
    EXPECT_FALSE(form().dataChanged);
}

// Typed and pasted text passes the key filter; editing keys always pass.
TEST_F(StartWindowTest, NumberFieldsTakeDigitsAndOnePointTypedOrPasted) {
    Type(Field::txtMinDischarge, "1.2.3-e+ ");
    EXPECT_EQ(edit(Field::txtMinDischarge)->text(), "1.23");
    QTest::keyClick(edit(Field::txtMinDischarge), Qt::Key_Backspace);
    QTest::keyClick(edit(Field::txtMinDischarge), Qt::Key_Home);
    QTest::keyClick(edit(Field::txtMinDischarge), Qt::Key_Delete);
    EXPECT_EQ(form().text(Field::txtMinDischarge), ".2");
    EXPECT_TRUE(form().dataChanged);
    Type(Field::txtProject, "I-95 (e)");
    EXPECT_EQ(form().text(Field::txtProject), "I-95 (e)");

    Type(Field::txtRise, "1.5");
    edit(Field::txtRise)->selectAll();
    for (const char* pasted : {"2.7", "-3", "1e5", ".5"}) {
        QApplication::clipboard()->setText(pasted);
        QTest::keySequence(edit(Field::txtRise), QKeySequence::Paste);
        EXPECT_EQ(edit(Field::txtRise)->text(), "2.7") << pasted;
    }
}

// Enter moves on, in a list too, where it must not choose the entry again
// (which would put back the material's roughness over the user's own).
TEST_F(StartWindowTest, EnterMovesToTheNextFieldWithoutChoosingAListAgain) {
    Type(Field::txtMinDischarge, "10");
    QTest::keyClick(edit(Field::txtMinDischarge), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), edit(Field::txtDesDischarge));

    QTest::mouseClick(start().option(Option::Circle), Qt::LeftButton);
    QComboBox* material = List(Field::cboPipematerial);
    material->setFocus();
    QTest::keyClick(material, Qt::Key_Down);
    QTest::keyClick(material, Qt::Key_Down);
    ASSERT_EQ(material->currentText(), "Corr. Metal Pipe");
    EXPECT_EQ(List(Field::cboBoxinlet)->currentText(), "Flared End Section");
    ExpectSelectionFollowsText(List(Field::cboBoxinlet));
    Type(Field::txtBoxrough, "0.030");
    const std::pair<Field, Field> moves[] = {{Field::cboPipematerial, Field::cboBoxinlet},
                                             {Field::cboBoxinlet, Field::txtBoxrough},
                                             {Field::cboTWshape, Field::txtTWbottom}};
    for (const auto& [list, next] : moves) {
        QSignalSpy chosen(List(list), &QComboBox::activated);
        List(list)->setFocus();
        QTest::keyClick(List(list), Qt::Key_Return);
        EXPECT_EQ(chosen.count(), 0) << FieldName(list);
        EXPECT_TRUE(start().field(next)->hasFocus()) << FieldName(list);
    }
    EXPECT_EQ(edit(Field::txtBoxrough)->text(), "0.030");
}

// The barrel roughness reaches the outlet section when its field is left, or
// when a run starts while it is still being edited (a picture button takes
// no focus).
TEST_F(StartWindowTest, FocusColourAndTheBarrelRoughnessCopy) {
    Type(Field::txtBoxrough, "0.015");
    EXPECT_EQ(Base(start().field(Field::txtBoxrough)), kFocusBlue);
    edit(Field::txtSpan)->setFocus();
    EXPECT_EQ(Base(start().field(Field::txtBoxrough)), kWhite);
    EXPECT_EQ(edit(Field::txtNOut)->text(), "0.015");

    TypeProject();
    Type(Field::txtBoxrough, "0.016");
    ClickDesign();
    EXPECT_EQ(edit(Field::txtNOut)->text(), "0.016");
}

TEST_F(StartWindowTest, OptionsAndListsApplyTheFormsRules) {
    Type(Field::txtUppersta, "30");
    QTest::mouseClick(start().option(Option::Single), Qt::LeftButton);
    EXPECT_FALSE(start().field(Field::txtUppersta)->isEnabled());
    EXPECT_EQ(edit(Field::txtUppersta)->text(), "");
    EXPECT_FALSE(start().option(Option::Double)->isChecked());

    // The pipe's caption also picks the concrete material.
    QTest::mouseClick(start().optionCaption(Option::Circle), Qt::LeftButton);
    EXPECT_TRUE(start().option(Option::Circle)->isChecked());
    EXPECT_EQ(List(Field::cboPipematerial)->currentText(), "Concrete");
    emit List(Field::cboPipematerial)->activated(2);
    EXPECT_EQ(edit(Field::txtBoxrough)->text(), "0.031");

    Type(Field::txtTWbottom, "12");
    emit List(Field::cboTWshape)->activated(List(Field::cboTWshape)->findText("Circle"));
    EXPECT_FALSE(start().field(Field::txtTWbottom)->isEnabled());
    EXPECT_EQ(edit(Field::txtTWbottom)->text(), "12");
}

TEST_F(StartWindowTest, TheUnitMenuRewritesFieldsAndCaptions) {
    Type(Field::txtDesDischarge, "100");
    start().unitMenu()->metric()->trigger();
    EXPECT_EQ(edit(Field::txtDesDischarge)->text(), "2.832");
    EXPECT_FALSE(start().unitMenu()->english()->isChecked());
    EXPECT_EQ(start().unitLabel(Field::txtDesDischarge)->text(), "cms");
    EXPECT_EQ(start().unitLabel(Field::txtTWrightside)->text(), "__H:1V");
}

}  // namespace
}  // namespace kelp::testing
