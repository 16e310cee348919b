// The engine's public entry points. Every routine works on the one shared
// Model; none of them traps a fault: RuntimeFault propagates to the caller,
// which reports it.
#pragma once

#include "model/model.h"

namespace kelp {

// Control case of the last analysis: 1 inlet control, 2 break control,
// 3 break control with the tailwater drowning the upper break.
enum class ControlCase { Inlet = 1, Break = 2, Tailwater = 3 };

// One-discharge analysis: tailwater, section relations, barrel profile,
// control, completion of the profile and the outlet values for the total
// discharge q (already round-tripped through text by the caller). Returns the
// control case. Clears and refills model.Warnings.
ControlCase AnalyseDischarge(Model& model, double q);

// Section lengths and slopes from the stations and elevations (32-bit).
void ComputeSectionLengths(Model& model);

// The limit every section slope is held to.
inline constexpr float kSlopeLimit = 1.42f;

}  // namespace kelp
