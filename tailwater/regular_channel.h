// Normal depth in a downstream channel of regular shape (rectangle,
// trapezoid, triangle, circle) by a fixed-step search on Manning's equation.
#pragma once

#include "model/model.h"

namespace kelp {

inline constexpr const char* kTailwaterSearchWarning =
    "Tailwater depth search stopped before reaching the discharge; the tailwater depth may be "
    "inaccurate.";
inline constexpr const char* kTailwaterCapacityWarning =
    "The discharge exceeds the capacity of the downstream channel; the tailwater depth is "
    "limited to its height.";

// Sets TWDepth, TWElev and TWVelocity from the normal depth of model.TWShape
// for model.AnalysisQ, and adds a warning when the depth may be wrong.
void RegularChannelTailwater(Model& model);

}  // namespace kelp
