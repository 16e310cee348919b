#include "ui/windows/help/help_window.h"

#include <QDialogButtonBox>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/windows/help/help_text.h"

namespace kelp {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    setObjectName("frmHelp");
    setWindowTitle("KELP Operating Instructions");
    browser_->setObjectName("txtHelp");
    browser_->setOpenLinks(true);
    browser_->setHtml(QString::fromStdString(HelpHtml()));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(buttons);
    resize(720, 640);
}

void ShowHelp(QWidget* parent) {
    // Not modal: the designer reads the instructions while working in the form.
    static QPointer<HelpWindow> window;
    if (!window) {
        window = new HelpWindow(parent);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void ShowAbout(Prompts& prompts) { prompts.Tell(AboutHtml(), "About KELP"); }

}  // namespace kelp
