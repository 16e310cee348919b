// Moves the keyboard focus to a field of the input form, wherever the
// command that asks for it was given.
#pragma once

#include "form/input_form.h"

class QWidget;

namespace kelp {

// The object name of the input form's window.
inline constexpr const char* kInputFormName = "frmStart";

// The input form's window, or nullptr.
QWidget* InputFormWindow();
// Activates the input form and focuses the field named after the control.
void FocusInputField(Field field);

}  // namespace kelp
