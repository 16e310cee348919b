// Prompts for a program that runs the windows without a user (screenshots,
// benchmarks): every box is recorded and answered as a cautious user would;
// a focus move is carried out on the input form.
#pragma once

#include <string>
#include <vector>

#include "session/unattended_prompts.h"
#include "ui/windows/field_focus.h"

namespace kelp {

class QuietPrompts : public UnattendedPrompts {
public:
    void Focus(Field field) override { FocusInputField(field); }

    std::vector<std::string> shown;

protected:
    void Shown(const std::string& text) override { shown.push_back(text); }
};

}  // namespace kelp
