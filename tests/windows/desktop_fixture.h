// The whole desktop program over scripted prompts: the real windows, driven
// as a user would, with every box recorded and the focus moves carried out.
#pragma once

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include "support/double_box.h"
#include "support/scripted_prompts.h"
#include "support/test_app.h"
#include "ui/windows/desktop.h"
#include "ui/windows/clickable_label.h"
#include "ui/windows/field_focus.h"
#include "ui/windows/input/start_window.h"
#include "ui/windows/picture_command.h"
#include "ui/windows/results/output_window.h"
#include "ui/windows/results/table_window.h"
#include "ui/windows/unit_menu.h"

namespace kelp::testing {

inline QAction* MenuAction(QWidget& window, const QString& text) {
    for (QAction* action : window.findChildren<QAction*>())
        if (action->text() == text) return action;
    ADD_FAILURE() << "no menu item " << text.toStdString();
    return nullptr;
}

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
    OutputWindow& output() { return desktop.output(); }
    TableWindow& table() { return desktop.table(); }
    Session& session() { return desktop.session(); }
    InputForm& form() { return session().form(); }
    QLineEdit* edit(Field f) { return start().editor(f); }

    // Types into a field through the key filter, as the keyboard would.
    void Type(Field f, const QString& keys) {
        edit(f)->setFocus();
        edit(f)->clear();
        form().SetText(f, "");
        QTest::keyClicks(edit(f), keys);
    }
    // The double box every check passes, typed as a user would.
    void TypeProject() {
        QTest::mouseClick(start().option(Option::TWConstant), Qt::LeftButton);
        for (const auto& [f, text] : kDoubleBox) Type(f, text);
    }
    void ClickDesign() { QTest::mouseClick(start().designCommand()->button(), Qt::LeftButton); }
    void ClickRange() { QTest::mouseClick(start().rangeCommand()->button(), Qt::LeftButton); }
    // One tick of the input form's menu watcher, without waiting for it.
    void TickMenuWatcher() {
        QMetaObject::invokeMethod(start().findChild<QTimer*>(), "timeout");
    }
    QString Value(const char* caption) { return output().value(caption)->text(); }
    bool Shown(QWidget& window, const char* name) {
        return !window.findChild<QWidget*>(name)->isHidden();
    }

    QApplication& app = TestApp<QApplication>();
    WidgetPrompts prompts;
    Model model;
    Desktop desktop{model, prompts, {}, [] { return std::string("2024-05-01"); }};
};

}  // namespace kelp::testing
