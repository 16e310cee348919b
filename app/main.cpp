// KELP, the desktop program: the input form in English units with its
// defaults and an untitled document. A project path on the command line is
// opened as the document.
#include <QApplication>

#include "engine/model.h"
#include "ui/widgets/desktop.h"
#include "ui/widgets/qt_hy8.h"
#include "ui/widgets/qt_prompts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    QApplication::setApplicationName("KELP");

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
