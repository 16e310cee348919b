// Everything a command shows or asks the user goes through this interface:
// message boxes, the file dialogs, the input box, the hourglass pointer and
// focus moves. The desktop program implements it with Qt's dialogs; tests
// script every answer, so no test ever opens a real modal box.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/input_form.h"

namespace kelp {

// The program's name, the title of its boxes unless one is given.
inline constexpr const char* kProgramName = "KELP";

// The text of a fault that a command traps: "Error:" and its description,
// then " occurred in " and the routine that met it, when one is named.
inline std::string FaultText(std::string_view description, std::string_view routine = {}) {
    std::string text = "Error:" + std::string(description);
    if (!routine.empty()) text += " occurred in " + std::string(routine);
    return text;
}

// Descriptions of the failures met in reading a file.
inline constexpr const char* kFileNotFoundText = "File not found";
inline constexpr const char* kPastEndText = "Input past end of file";

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };
enum class Icon { None, Exclamation, Question, Information };

// One filter of a file dialog: its description and its pattern
// ("KELP Files(*.klp)", "*.klp").
struct FileFilter {
    std::string description;
    std::string pattern;
};

class Prompts {
public:
    virtual ~Prompts() = default;
    // A message box; title "" is the program's name.
    virtual Answer Ask(const std::string& text, const std::string& title, Buttons buttons,
                       Icon icon) = 0;
    // An open or save dialog; `initial` is the 1-based filter shown first.
    // Returns the chosen path as typed, "" on Cancel.
    virtual std::string ChooseFile(bool save, const std::vector<FileFilter>& filters,
                                   int initial) = 0;
    // An input box; nullopt on Cancel.
    virtual std::optional<std::string> InputText(const std::string& prompt,
                                                 const std::string& title,
                                                 const std::string& initial) = 0;
    // The hourglass pointer, restored on every path.
    virtual void SetBusy(bool busy) = 0;
    // Moves the keyboard focus to a field of the input form.
    virtual void Focus(Field field) = 0;

    // An OK-only box.
    void Tell(const std::string& text, const std::string& title = {}, Icon icon = Icon::None) {
        Ask(text, title, Buttons::Ok, icon);
    }
};

}  // namespace kelp
