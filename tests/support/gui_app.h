// Fonts and painting need a QGuiApplication; the tests never need a display.
#pragma once

#include <QGuiApplication>

namespace kelp::testing {

inline void EnsureGui() {
    static int argc = 1;
    static char name[] = "kelp_tests";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

}  // namespace kelp::testing
