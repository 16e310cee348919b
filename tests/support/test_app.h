// One Qt application for all the tests of an executable, on the offscreen
// platform, so no test needs a display: a QGuiApplication where pictures are
// painted, a QApplication where windows are driven.
#pragma once

#include <QGuiApplication>

namespace kelp::testing {

template <typename App = QGuiApplication>
App& TestApp() {
    static int argc = 1;
    static char name[] = "kelp_tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: tearing Qt down during the process's exit crashes.
    static App* app = new App(argc, argv);
    return *app;
}

}  // namespace kelp::testing
