// Prompts for a session that runs without a user (kelp-cli, screenshots,
// benchmarks): every box is answered as a cautious user would, with OK or
// Cancel, after its text is handed on; no dialog is ever opened and nothing
// is typed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "form/prompts.h"

namespace kelp {

class UnattendedPrompts : public Prompts {
public:
    Answer Ask(const std::string& text, const std::string&, Buttons buttons, Icon) override {
        Shown(text);
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
    std::string ChooseFile(bool, const std::vector<FileFilter>&, int) override { return {}; }
    std::optional<std::string> InputText(const std::string&, const std::string&,
                                         const std::string&) override {
        return std::nullopt;
    }
    void SetBusy(bool) override {}
    void Focus(Field) override {}

protected:
    // The text of a box that was shown.
    virtual void Shown(const std::string& text) = 0;
};

}  // namespace kelp
