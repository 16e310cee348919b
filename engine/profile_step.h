// The downstream walk of one barrel section in fixed depth steps, with the
// hydraulic-jump test at every supercritical point.
#pragma once

#include "model/model.h"

namespace kelp {

// One section's walk. Stations are distances from the inlet except the two
// entered stations, which only tell whether the section starts at the inlet.
struct SectionWalk {
    float n;           // Manning's n of the section
    float slope;       // bed slope S0
    float depthStep;   // ±s (0.01 ft box, 0.005 ft pipe)
    float xEnd;        // distance from the inlet at which the section ends
    float invert;      // invert elevation at the section's downstream end
    float upStation;   // entered station of the section's upstream end
    float downStation; // entered station of its downstream end
    float target;      // normal depth of the section
};

// Depth step of the walk for the barrel shape.
float WalkStep(const Model& model);

// Walks from (CurrentStation, CurrentDepth) to the section end, appending
// points at ProfileIndex and recording a jump in JumpFlag, JumpStation,
// JumpLength and JumpState.
void ProfileStep(Model& model, const SectionWalk& walk);

}  // namespace kelp
