// Headwater that the culvert inlet needs to pass one barrel's discharge when
// the inlet controls.
#pragma once

#include "model/model.h"

namespace kelp {

// The extension searches step the discharge until the polynomial meets its
// bound; reaching this many steps is a run-time fault.
inline constexpr long kInletSearchCap = 10'000'000;

// Sets InletControlElev = InletElev + HW for the barrel shape and the slope s0
// of the first section below the inlet.
void ComputeInletControl(Model& model, double s0);

}  // namespace kelp
