// The "&Unit" menu of the input form: which unit is checked, the captions of
// the unit labels, and the rewrite of the field texts when the unit changes.
// The model keeps computing in English units; only what the user sees and
// types changes.
#pragma once

#include <functional>

#include "form/input_form.h"
#include "model/codes.h"

namespace kelp {

class UnitSwitch {
public:
    // The form opens with "&English" checked.
    explicit UnitSwitch(InputForm& form) : form_(form) {}

    // Each choice sets the check marks and captions; the fields are rewritten
    // only when the checked unit actually changes.
    void ChooseEnglish();
    void ChooseMetric();

    bool MetricChecked() const { return metric_; }
    // What a result window's return command puts back into the model, so a
    // unit change made on a result window does not outlive it.
    float CheckedUnitSystem() const { return UnitSystemCode(metric_); }

    // The irregular cross-section editor rewrites its boxes from the stored
    // section (in feet) for the new unit system before the form's fields are
    // converted. Unset while there is no editor.
    std::function<void(float unitSystem)> rewriteEditorBoxes;

private:
    void Convert(bool toMetric);

    InputForm& form_;
    bool metric_ = false;
};

}  // namespace kelp
