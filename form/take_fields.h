// Taking the input form's fields into the analysis model.
//
// The model always holds English units; when the form is metric the analysis
// runs multiply every discharge and every length as they read it. The irregular
// cross-section is held in feet at all times, so nothing of it is taken here.
#pragma once

#include <vector>

#include "form/input_form.h"

namespace kelp {

inline constexpr const char* kInsufficientInput = "Input data is insufficient !";
// The routine named in the message of a fault met while taking the fields.
inline constexpr const char* kTakeFieldsRoutine = "AssignVariables";

// Moves every field into the form's model, in English units, in the order
// discharges, barrels, project text, profile, barrel, roughness, tailwater;
// the texts are in metric units when model.UnitSystem is not 1. The outlet
// section first takes a barrel roughness still being edited. Returns false at
// the first empty or non-numeric field: the values taken before it keep their
// new values, the rest their old ones. A value beyond the 32-bit range raises
// RuntimeFault (overflow).
bool TakeFields(InputForm& form);

// The model values held in metric units, by address.
using MetricValues = std::vector<const float*>;

// The same moves into `into` (a copy of the form's model that a save writes),
// each number in the units it was entered in; the ones entered in metric
// units are added to `metric`. The form's own model is left alone.
bool TakeFieldsAsEntered(InputForm& form, Model& into, MetricValues& metric);

}  // namespace kelp
