// The printed page of the input form: every field that takes part in the
// analysis, with its label and unit as the form shows them, the three option
// choices and, for an irregular downstream channel, its cross-section.
#pragma once

#include "form/input_form.h"
#include "ui/print/text_page.h"

namespace kelp {

// `unitSystem` gives the unit of the irregular cross-section, which is held in
// feet; the fields are printed as typed, in the form's unit.
TextPage InputDataPage(const InputForm& form, float unitSystem);

}  // namespace kelp
