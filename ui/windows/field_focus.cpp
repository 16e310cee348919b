#include "ui/windows/field_focus.h"

#include <QApplication>
#include <QWidget>

namespace kelp {

QWidget* InputFormWindow() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == kInputFormName) return window;
    return nullptr;
}

void FocusInputField(Field field) {
    QWidget* window = InputFormWindow();
    if (!window) return;
    auto* target = window->findChild<QWidget*>(FieldName(field));
    if (!target) return;
    window->raise();
    window->activateWindow();
    target->setFocus(Qt::OtherFocusReason);
}

}  // namespace kelp
