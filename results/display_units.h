// The unit a result window shows: the model holds English units, a metric
// display divides each value by its factor before formatting.
#pragma once

#include "form/rating_table.h"
#include "form/take_fields.h"
#include "model/codes.h"

namespace kelp {

struct DisplayUnits {
    bool metric = false;
    const char* discharge = kEnglishUnits.discharge;
    const char* length = kEnglishUnits.length;
    const char* velocity = kEnglishUnits.velocity;
    const char* slope = kEnglishUnits.slope;

    double Discharge(float cfs) const { return metric ? cfs / kDischargeFactor : cfs; }
    // Lengths, depths, elevations, stations and velocities share one factor.
    double Length(float feet) const { return metric ? feet / kLengthFactor : feet; }

    // A value of the kind shown, and the name of its unit ("" for none).
    double Shown(UnitKind kind, float value) const {
        switch (kind) {
            case UnitKind::Discharge: return Discharge(value);
            case UnitKind::Length:
            case UnitKind::Velocity: return Length(value);
            case UnitKind::None: break;
        }
        return value;
    }
    const char* NameOf(UnitKind kind) const {
        switch (kind) {
            case UnitKind::Discharge: return discharge;
            case UnitKind::Length: return length;
            case UnitKind::Velocity: return velocity;
            case UnitKind::None: break;
        }
        return "";
    }
};

// unitSystem: 1 English, anything else metric.
inline DisplayUnits UnitsFor(float unitSystem) {
    if (IsEnglish(unitSystem)) return {};
    return {true, kMetricUnits.discharge, kMetricUnits.length, kMetricUnits.velocity,
            kMetricUnits.slope};
}

// A barrel flowing full at the outlet has no free-surface Froude number: the
// result form and the table show this in its place.
inline constexpr const char* kFullBarrel = "FULL";
inline bool FlowsFull(float outletDepth, float barrelHeight) { return outletDepth == barrelHeight; }

}  // namespace kelp
