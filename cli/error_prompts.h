// The session's boxes for kelp-cli: each message is a line on a stream
// (standard error); nobody is there to answer a question.
#pragma once

#include <ostream>

#include "session/unattended_prompts.h"

namespace kelp::cli {

class ErrorPrompts : public UnattendedPrompts {
public:
    explicit ErrorPrompts(std::ostream& out) : out_(out) {}

protected:
    void Shown(const std::string& text) override { out_ << text << '\n'; }

private:
    std::ostream& out_;
};

}  // namespace kelp::cli
