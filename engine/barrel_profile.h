// Inlet-control headwater and the subcritical (break-control) profile of one
// barrel: the backwater from the upper break or from the outlet, its entrance,
// friction, bend and exit losses, and the headwater that flow needs.
#pragma once

#include "model/model.h"

namespace kelp {

// Box and circular barrels. Each returns false when no break control applies
// (BreakControlElev set to 0): inlet control then governs.
bool BoxProfile(Model& model);
bool PipeProfile(Model& model);

}  // namespace kelp
