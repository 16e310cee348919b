// The session's boxes for kelp-cli: every message goes to a stream (standard
// error) as a line of its own; there is nobody to answer a question, to
// choose a file or to type a name, so each is cancelled.
#pragma once

#include <ostream>

#include "form/prompts.h"

namespace kelp::cli {

class ErrorPrompts : public Prompts {
public:
    explicit ErrorPrompts(std::ostream& out) : out_(out) {}

    Answer Ask(const std::string& text, const std::string&, Buttons buttons, Icon) override {
        out_ << text << '\n';
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
    std::string ChooseFile(bool, const std::vector<FileFilter>&, int) override { return {}; }
    std::optional<std::string> InputText(const std::string&, const std::string&,
                                         const std::string&) override {
        return std::nullopt;
    }
    void SetBusy(bool) override {}
    void Focus(Field) override {}

private:
    std::ostream& out_;
};

}  // namespace kelp::cli
