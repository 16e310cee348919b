// One QApplication for every widget test, on the offscreen platform so the
// tests run without a display.
#pragma once

#include <QApplication>

namespace kelp::testing {

inline QApplication& QtApp() {
    static int argc = 1;
    static char name[] = "kelp_windows_tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: tearing Qt down during the process's exit crashes.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

}  // namespace kelp::testing
