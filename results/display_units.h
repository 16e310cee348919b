// The unit a result window shows: the model holds English units, a metric
// display divides each value by its factor before formatting.
#pragma once

#include "form/take_fields.h"
#include "model/codes.h"

namespace kelp {

struct DisplayUnits {
    bool metric = false;
    const char* discharge = "cfs";
    const char* length = "ft";
    const char* velocity = "ft/s";

    double Discharge(float cfs) const { return metric ? cfs / kDischargeFactor : cfs; }
    // Lengths, depths, elevations, stations and velocities share one factor.
    double Length(float feet) const { return metric ? feet / kLengthFactor : feet; }
};

// unitSystem: 1 English, anything else metric.
inline DisplayUnits UnitsFor(float unitSystem) {
    if (IsEnglish(unitSystem)) return {};
    return {true, "cms", "m", "m/s"};
}

}  // namespace kelp
