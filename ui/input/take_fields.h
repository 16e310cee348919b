// Taking the input form's fields into the analysis model.
//
// The model always holds English units; when the form is metric the analysis
// runs multiply every discharge and every length as they read it. The irregular
// cross-section is held in feet at all times, so nothing of it is taken here.
#pragma once

#include "ui/input/input_form.h"

namespace kelp {

inline constexpr const char* kInsufficientInput = "Input data is insufficient !";

// Moves every field into the model in the order discharges, barrels, project
// text, profile, barrel, roughness, tailwater. `convertMetric` multiplies by
// the unit factors when model.UnitSystem is not 1 (the analysis runs); without
// it the values are stored in the form's units (before a save). Returns false
// at the first empty or non-numeric field: the values taken before it keep
// their new values, the rest their old ones. A value beyond the 32-bit range
// raises RuntimeFault (overflow).
bool TakeFields(InputForm& form, bool convertMetric);

}  // namespace kelp
