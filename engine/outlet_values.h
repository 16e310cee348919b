// Depth, velocity and Froude number at the outlet, and the velocities at the
// inlet, the breaks and the end of a jump, once the profile is complete.
#pragma once

#include "model/model.h"

namespace kelp {

// Outlet depth after a walked profile: behind a jump the outlet is drowned to
// the tailwater (between critical depth and the barrel height).
float WalkedOutletDepth(const Model& model, float height);
// Outlet depth when the tailwater controls and no profile was walked.
float TailwaterOutletDepth(const Model& model, float height);
// Stores OutletDepth and the velocities and Froude number of the shape.
void SetOutletValues(Model& model, float outletDepth);

}  // namespace kelp
