// The whole desktop program over scripted prompts: the real windows, driven
// as a user would, with every box recorded and the focus moves carried out.
#pragma once

#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QTest>
#include <gtest/gtest.h>

#include "support/scripted_prompts.h"
#include "ui/input/widgets/start_window.h"
#include "ui/results/widgets/output_window.h"
#include "ui/results/widgets/table_window.h"
#include "ui/widgets/desktop.h"
#include "ui/widgets/field_focus.h"
#include "ui/widgets/picture_command.h"
#include "widgets/qt_app.h"

namespace kelp::testing {

class WidgetPrompts : public ScriptedPrompts {
public:
    void Focus(Field field) override {
        ScriptedPrompts::Focus(field);
        FocusInputField(field);
    }
};

class DesktopTest : public ::testing::Test {
protected:
    DesktopTest() {
        desktop.ShowInputForm();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&start()));
    }

    StartWindow& start() { return desktop.start(); }
    QLineEdit* edit(Field f) { return start().editor(f); }

    // Types into a field through the key filter, as the keyboard would.
    void Type(Field f, const QString& keys) {
        edit(f)->setFocus();
        edit(f)->clear();
        form().SetText(f, "");
        QTest::keyClicks(edit(f), keys);
    }

    // A double broken-back box with a constant tailwater that passes every
    // check: 30 to 400 cfs, design 120 cfs, an 8 ft by 5 ft box.
    void TypeProject() {
        QTest::mouseClick(start().option(Option::TWConstant), Qt::LeftButton);
        const std::pair<Field, const char*> texts[] = {
            {Field::txtProject, "Test culvert"}, {Field::txtMinDischarge, "30"},
            {Field::txtDesDischarge, "120"},     {Field::txtMaxDischarge, "400"},
            {Field::txtSpan, "8"},               {Field::txtRise, "5"},
            {Field::txtInletsta, "0"},           {Field::txtInletelev, "250"},
            {Field::txtUppersta, "30"},          {Field::txtUpperelev, "249.7"},
            {Field::txtLowersta, "150"},         {Field::txtLowerelev, "225.7"},
            {Field::txtOutletsta, "240"},        {Field::txtOutletelev, "225.25"},
            {Field::txtTWelev, "230"}};
        for (const auto& [f, text] : texts) Type(f, text);
    }

    void ClickDesign() { QTest::mouseClick(start().designCommand()->button(), Qt::LeftButton); }
    void ClickRange() { QTest::mouseClick(start().rangeCommand()->button(), Qt::LeftButton); }
    QString Value(const char* caption) { return desktop.output().value(caption)->text(); }
    InputForm& form() { return desktop.form(); }

    QApplication& app = QtApp();
    WidgetPrompts prompts;
    Model model;
    Desktop desktop{model, prompts, {}, [] { return std::string("2024-05-01"); }};
};

}  // namespace kelp::testing
