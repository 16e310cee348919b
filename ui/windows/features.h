// Commands of the windows whose work lives elsewhere (drawing, printing,
// help, the HY-8 export). Each is one function. The desktop supplies its own
// for every command left empty but the HY-8 export, which needs the
// program's settings store and launcher: left empty, it tells the user that
// the command is not available.
#pragma once

#include <functional>

#include "session/session.h"

namespace kelp {

struct Features {
    std::function<void(WindowKind)> printPreview;
    std::function<void(WindowKind)> print;
    std::function<void()> help;
    std::function<void()> about;
    // "Press Button to Plot Profile" of the result form.
    std::function<void()> plotProfile;
    // "Press Button to Enter HY-8 Energy Dissipation".
    std::function<void()> hy8;
    // A rating curve, kind 1 headwater, 2 outlet depth, 3 outlet velocity;
    // `closeOpenFirst` when the picture button (not its caption) was clicked.
    std::function<void(int kind, bool closeOpenFirst)> ratingCurve;
};

}  // namespace kelp
