// Prompts for tests: the user's answers are scripted in advance and every box,
// dialog and input box shown is recorded. OK-only boxes answer themselves; a
// question without a scripted answer fails the test and answers Cancel, so a
// command can never wait for ever.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "form/prompts.h"

namespace kelp::testing {

struct ShownBox { std::string text, title; Buttons buttons; Icon icon; };
struct ShownDialog { bool save; std::vector<FileFilter> filters; int initial; };
struct ShownInput { std::string prompt, title, initial; };

class ScriptedPrompts : public Prompts {
public:
    std::deque<Answer> answers;                     // questions, in order
    std::deque<std::string> files;                  // file dialogs; "" is Cancel
    std::deque<std::optional<std::string>> inputs;  // input boxes; nullopt is Cancel

    std::vector<ShownBox> boxes;
    std::vector<ShownDialog> dialogs;
    std::vector<ShownInput> inputBoxes;
    std::vector<Field> focused;
    bool busy = false;

    Answer Ask(const std::string& text, const std::string& title, Buttons buttons,
               Icon icon) override {
        boxes.push_back({text, title, buttons, icon});
        return buttons == Buttons::Ok ? Answer::Ok : Next(answers, Answer::Cancel, text);
    }
    std::string ChooseFile(bool save, const std::vector<FileFilter>& filters,
                           int initial) override {
        dialogs.push_back({save, filters, initial});
        return Next(files, std::string(), "file dialog");
    }
    std::optional<std::string> InputText(const std::string& prompt, const std::string& title,
                                         const std::string& initial) override {
        inputBoxes.push_back({prompt, title, initial});
        return Next(inputs, std::optional<std::string>(), prompt);
    }
    void SetBusy(bool on) override { busy = on; }
    void Focus(Field field) override { focused.push_back(field); }

    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const ShownBox& box : boxes) out.push_back(box.text);
        return out;
    }
    // Every scripted answer was used.
    bool Spent() const { return answers.empty() && files.empty() && inputs.empty(); }

private:
    template <typename T>
    static T Next(std::deque<T>& script, T cancel, const std::string& what) {
        if (script.empty()) {
            ADD_FAILURE() << "no scripted answer for: " << what;
            return cancel;
        }
        T front = script.front();
        script.pop_front();
        return front;
    }
};

}  // namespace kelp::testing
