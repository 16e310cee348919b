// Prompts for a program that runs the windows without a user (screenshots,
// benchmarks): every box is recorded and answered as a cautious user would,
// with OK or Cancel; no dialog is ever opened.
#pragma once

#include <string>
#include <vector>

#include "form/prompts.h"
#include "ui/windows/field_focus.h"

namespace kelp {

class QuietPrompts : public Prompts {
public:
    Answer Ask(const std::string& text, const std::string&, Buttons buttons, Icon) override {
        shown.push_back(text);
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
    std::string ChooseFile(bool, const std::vector<FileFilter>&, int) override { return {}; }
    std::optional<std::string> InputText(const std::string&, const std::string&,
                                         const std::string&) override {
        return std::nullopt;
    }
    void SetBusy(bool) override {}
    void Focus(Field field) override { FocusInputField(field); }

    std::vector<std::string> shown;
};

}  // namespace kelp
