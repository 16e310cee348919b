#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QSignalSpy>

#include "ui/windows/clickable_label.h"
#include "ui/windows/unit_menu.h"
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

TEST_F(StartWindowTest, OpensWithTheDefaultsOfANewUntitledDocument) {
    EXPECT_EQ(start().windowTitle(), "KELP : UNTITLED");
    for (Option o : {Option::Box, Option::Double, Option::TWDown})
        EXPECT_TRUE(start().option(o)->isChecked());
    auto* inlet = start().findChild<QComboBox*>("cboBoxinlet");
    ASSERT_NE(inlet, nullptr);
    EXPECT_EQ(inlet->currentText(), "Wingwall, 1.5:1 Bevel (18-34 deg. Flare)");
    EXPECT_EQ(inlet->count(), 8);
    for (Field f : {Field::cboBoxinlet, Field::cboTWMaterial}) ExpectSelectionFollowsText(List(f));
    EXPECT_EQ(edit(Field::txtNOut)->text(), "0.012");
    EXPECT_EQ(edit(Field::txtDate)->text(), "2024-05-01");
    EXPECT_FALSE(start().field(Field::txtDiameter)->isEnabled());
    EXPECT_EQ(Base(start().field(Field::txtDiameter)), kDisabledGrey);
    EXPECT_FALSE(start().findChild<QLabel*>("lblDiameter")->isEnabled());
    EXPECT_EQ(start().unitLabel(Field::txtMinDischarge)->text(), "cfs");
    EXPECT_EQ(start().unitLabel(Field::txtTWleftside)->text(), "H:1V");
    EXPECT_FALSE(start().printPreviewAction()->isEnabled() || start().printAction()->isEnabled());
    EXPECT_TRUE(start().unitMenu()->english()->isChecked());
    EXPECT_FALSE(form().dataChanged);
}

TEST_F(StartWindowTest, NumberFieldsTakeDigitsAndOnePointOnly) {
    Type(Field::txtMinDischarge, "1.2.3");
    EXPECT_EQ(edit(Field::txtMinDischarge)->text(), "1.23");
    QTest::keyClicks(edit(Field::txtMinDischarge), "-e+ ");
    EXPECT_EQ(edit(Field::txtMinDischarge)->text(), "1.23");
    QTest::keyClick(edit(Field::txtMinDischarge), Qt::Key_Backspace);
    QTest::keyClick(edit(Field::txtMinDischarge), Qt::Key_Home);
    QTest::keyClick(edit(Field::txtMinDischarge), Qt::Key_Delete);
    EXPECT_EQ(edit(Field::txtMinDischarge)->text(), ".2");
    EXPECT_EQ(form().text(Field::txtMinDischarge), ".2");
    EXPECT_TRUE(form().dataChanged);
    // Free text takes every key.
    Type(Field::txtProject, "I-95 (e)");
    EXPECT_EQ(form().text(Field::txtProject), "I-95 (e)");
}

TEST_F(StartWindowTest, PastedTextIsTakenOnlyWhenEveryCharacterWouldPass) {
    Type(Field::txtRise, "1.5");
    edit(Field::txtRise)->selectAll();
    QApplication::clipboard()->setText("2.7");
    QTest::keySequence(edit(Field::txtRise), QKeySequence::Paste);
    EXPECT_EQ(edit(Field::txtRise)->text(), "2.7");
    for (const char* refused : {"-3", "1e5", ".5"}) {
        QApplication::clipboard()->setText(refused);
        QTest::keySequence(edit(Field::txtRise), QKeySequence::Paste);
        EXPECT_EQ(edit(Field::txtRise)->text(), "2.7") << refused;
    }
}

TEST_F(StartWindowTest, EnterMovesToTheNextFieldInsteadOfTyping) {
    Type(Field::txtMinDischarge, "10");
    QTest::keyClick(edit(Field::txtMinDischarge), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), edit(Field::txtDesDischarge));
    edit(Field::txtProject)->setFocus();
    QTest::keyClick(edit(Field::txtProject), Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), edit(Field::txtStation));
}

// Enter in a list moves on as in a text field; it must not choose the entry
// again, which would put back the material's roughness over the user's own.
TEST_F(StartWindowTest, EnterInAListMovesOnWithoutChoosingItAgain) {
    QTest::mouseClick(start().option(Option::Circle), Qt::LeftButton);
    QComboBox* material = List(Field::cboPipematerial);
    material->setFocus();
    QTest::keyClick(material, Qt::Key_Down);
    QTest::keyClick(material, Qt::Key_Down);
    ASSERT_EQ(material->currentText(), "Corr. Metal Pipe");
    EXPECT_EQ(List(Field::cboBoxinlet)->currentText(), "Flared End Section");
    ExpectSelectionFollowsText(List(Field::cboBoxinlet));
    Type(Field::txtBoxrough, "0.030");
    const float ke = model.Ke, a = model.InletCoefA;

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
    EXPECT_EQ(form().text(Field::cboBoxinlet), "Flared End Section");
    EXPECT_EQ(model.Ke, ke);
    EXPECT_EQ(model.InletCoefA, a);
}

TEST_F(StartWindowTest, FocusColourAndTheBarrelRoughnessCopy) {
    Type(Field::txtBoxrough, "0.015");
    EXPECT_EQ(Base(start().field(Field::txtBoxrough)), kFocusBlue);
    edit(Field::txtSpan)->setFocus();
    EXPECT_EQ(Base(start().field(Field::txtBoxrough)), kWhite);
    EXPECT_EQ(Base(start().field(Field::txtSpan)), kFocusBlue);
    EXPECT_EQ(edit(Field::txtNOut)->text(), "0.015");
}

// A click on a picture button takes no focus, so the barrel roughness field
// is still being edited when the run starts; a later outlet edit stands.
TEST_F(StartWindowTest, AnAnalysisTakesTheBarrelRoughnessStillBeingEdited) {
    TypeProject();
    Type(Field::txtBoxrough, "0.015");
    ClickDesign();
    EXPECT_EQ(model.OutletN, 0.015f);
    EXPECT_EQ(edit(Field::txtNOut)->text(), "0.015");
    QTest::mouseClick(desktop.output().returnCommand()->button(), Qt::LeftButton);

    Type(Field::txtNOut, "0.02");
    ClickRange();
    EXPECT_EQ(model.OutletN, 0.02f);
    EXPECT_EQ(model.CulvertN, 0.015f);
}

TEST_F(StartWindowTest, OptionsAndListsApplyTheFormsRules) {
    Type(Field::txtUppersta, "30");
    QTest::mouseClick(start().option(Option::Single), Qt::LeftButton);
    EXPECT_FALSE(start().field(Field::txtUppersta)->isEnabled());
    EXPECT_EQ(edit(Field::txtUppersta)->text(), "");
    EXPECT_FALSE(start().option(Option::Double)->isChecked());

    // The pipe's caption also picks the concrete material.
    QTest::mouseClick(start().optionCaption(Option::Circle), Qt::LeftButton);
    QComboBox* material = List(Field::cboPipematerial);
    EXPECT_TRUE(start().option(Option::Circle)->isChecked());
    EXPECT_EQ(material->currentText(), "Concrete");
    ExpectSelectionFollowsText(material);
    EXPECT_FALSE(start().field(Field::txtSpan)->isEnabled());
    emit material->activated(material->findText("Corr. Alum. Pipe"));
    EXPECT_EQ(edit(Field::txtBoxrough)->text(), "0.031");
    EXPECT_EQ(start().findChild<QComboBox*>("cboBoxinlet")->currentText(), "Flared End Section");

    Type(Field::txtTWbottom, "12");
    auto* shape = start().findChild<QComboBox*>("cboTWshape");
    emit shape->activated(shape->findText("Circle"));
    EXPECT_FALSE(start().field(Field::txtTWbottom)->isEnabled());
    EXPECT_EQ(edit(Field::txtTWbottom)->text(), "12");
}

TEST_F(StartWindowTest, PrintCommandsWakeOnceAllThreeDischargesHoldText) {
    Type(Field::txtMinDischarge, "1");
    Type(Field::txtMaxDischarge, "3");
    QTest::qWait(600);
    EXPECT_FALSE(start().printAction()->isEnabled());
    Type(Field::txtDesDischarge, "2");
    EXPECT_TRUE(QTest::qWaitFor([&] { return start().printAction()->isEnabled(); }, 2000));
    EXPECT_TRUE(start().printPreviewAction()->isEnabled());
}

TEST_F(StartWindowTest, TheUnitMenuRewritesFieldsAndCaptionsOnce) {
    Type(Field::txtDesDischarge, "100");
    start().unitMenu()->metric()->trigger();
    start().unitMenu()->metric()->trigger();
    EXPECT_EQ(edit(Field::txtDesDischarge)->text(), "2.832");
    EXPECT_EQ(edit(Field::txtMinDischarge)->text(), "");
    EXPECT_FALSE(start().unitMenu()->english()->isChecked());
    EXPECT_EQ(start().unitLabel(Field::txtDesDischarge)->text(), "cms");
    EXPECT_EQ(start().unitLabel(Field::txtTWrightside)->text(), "__H:1V");
    start().unitMenu()->english()->trigger();
    EXPECT_EQ(edit(Field::txtDesDischarge)->text(), "100.00");
    EXPECT_EQ(start().unitLabel(Field::txtRise)->text(), "ft");
    EXPECT_EQ(model.UnitSystem, 1);
}

}  // namespace
}  // namespace kelp::testing
