// KELP, the desktop program: the input form in English units with its
// defaults and an untitled document. A project path on the command line is
// opened as the document.
#include <QApplication>

#include <cstring>
#include <iostream>

#include "model/model.h"
#include "ui/windows/desktop.h"
#include "ui/windows/qt_hy8.h"
#include "ui/windows/qt_prompts.h"

namespace {

constexpr const char* kUsage =
    "usage: kelp [FILE.klp]\n"
    "       kelp --version\n"
    "Opens the input form, with the project FILE.klp when one is given.\n";

// Answers --version and --help before any window system is touched, so both
// work without a display. Returns true when the program has answered.
bool Answered(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "kelp " << KELP_VERSION << '\n';
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << kUsage;
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (Answered(argc, argv)) return 0;
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    QApplication::setApplicationName(kelp::kProgramName);
    QApplication::setApplicationVersion(KELP_VERSION);

    kelp::Model model;
    kelp::QtPrompts prompts;
    kelp::QtSettingsStore settings;
    kelp::QtProcessLauncher launcher;
    kelp::Features features;
    features.hy8 = kelp::Hy8Command(model, prompts, settings, launcher);
    kelp::Desktop desktop(model, prompts, features);
    QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) desktop.Load(arguments[1].toStdString());
    desktop.ShowInputForm();
    return QApplication::exec();
}
