// The "&Help" window of operating instructions and the "&About" box. Each
// window opens them with one call.
#pragma once

#include <QDialog>

#include "form/prompts.h"

class QTextBrowser;

namespace kelp {

class HelpWindow : public QDialog {
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

// Shows the instructions beside the calling window; one help window serves
// every window, brought to the front when it is already open.
void ShowHelp(QWidget* parent);
// The about box: the program's title and version, shown through the prompts
// like every other box of the program.
void ShowAbout(Prompts& prompts);

}  // namespace kelp
