// Prompts shown with Qt's own dialogs: message boxes, file dialogs, the input
// box, the override cursor and the focus moves of the desktop program.
#pragma once

#include "form/prompts.h"

class QWidget;

namespace kelp {

class QtPrompts : public Prompts {
public:
    Answer Ask(const std::string& text, const std::string& title, Buttons buttons,
               Icon icon) override;
    std::string ChooseFile(bool save, const std::vector<FileFilter>& filters,
                           int initial) override;
    std::optional<std::string> InputText(const std::string& prompt, const std::string& title,
                                         const std::string& initial) override;
    void SetBusy(bool busy) override;
    void Focus(Field field) override;

private:
    int busyDepth_ = 0;
};

}  // namespace kelp
