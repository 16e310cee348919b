// The tailwater below the outlet for the discharge under analysis: the first
// step of every one-discharge analysis.
#pragma once

#include "model/model.h"

namespace kelp {

// Sets TWDepth, TWElev and TWVelocity for model.AnalysisQ by TailwaterCode:
// 1 constant elevation (TWVelocity left as it is), 2 normal depth in a
// downstream channel of regular shape, 3 normal depth in the irregular
// cross-section. Adds a warning to model.Warnings where the answer may be
// wrong; faults propagate as RuntimeFault.
void ComputeTailwater(Model& model);

}  // namespace kelp
