// The fixed order of the project file's first six lines: which model value
// each field holds, how metric units scale it, and the form field it refills.
#pragma once

#include <array>
#include <string>

#include "form/input_form.h"
#include "model/model.h"

namespace kelp {

enum class Scale { None, Discharge, Length };

inline constexpr double Factor(Scale scale) {
    switch (scale) {
        case Scale::Discharge: return kDischargeFactor;
        case Scale::Length: return kLengthFactor;
        default: return 1.0;
    }
}

struct Slot {
    int line;
    const char* name;
    std::string Model::*text = nullptr;  // a text field, or
    float Model::*number = nullptr;      // a single-precision number
    Scale scale = Scale::None;
    Field formField = Field::Count;  // Count: shown nowhere on the form
    // Read only for the form: the minimum and maximum discharge reach the
    // model when a run or a save takes the form.
    bool formOnly = false;
};

inline constexpr std::array<Slot, 33> kLayout{{
    {.line = 1, .name = "ProjectName", .text = &Model::ProjectName, .formField = Field::txtProject},
    {.line = 1, .name = "ProjectLocation", .text = &Model::ProjectLocation,
     .formField = Field::txtStation},
    {.line = 1, .name = "ProjectDate", .text = &Model::ProjectDate},

    {.line = 2, .name = "MinQ", .number = &Model::MinQ, .scale = Scale::Discharge,
     .formField = Field::txtMinDischarge, .formOnly = true},
    {.line = 2, .name = "DesignQ", .number = &Model::DesignQ, .scale = Scale::Discharge,
     .formField = Field::txtDesDischarge},
    {.line = 2, .name = "MaxQ", .number = &Model::MaxQ, .scale = Scale::Discharge,
     .formField = Field::txtMaxDischarge, .formOnly = true},
    {.line = 2, .name = "NBarrels", .number = &Model::NBarrels, .formField = Field::txtBarrels},

    {.line = 3, .name = "TWElev", .number = &Model::TWElev, .scale = Scale::Length,
     .formField = Field::txtTWelev},
    {.line = 3, .name = "TWShape", .number = &Model::TWShape},
    {.line = 3, .name = "TWLeftSlope", .number = &Model::TWLeftSlope,
     .formField = Field::txtTWleftside},
    {.line = 3, .name = "TWRightSlope", .number = &Model::TWRightSlope,
     .formField = Field::txtTWrightside},
    {.line = 3, .name = "TWBottomWidth", .number = &Model::TWBottomWidth, .scale = Scale::Length,
     .formField = Field::txtTWbottom},
    {.line = 3, .name = "TWDiameter", .number = &Model::TWDiameter, .scale = Scale::Length,
     .formField = Field::txtTWdiameter},
    {.line = 3, .name = "TWSlope", .number = &Model::TWSlope, .formField = Field::txtTWslope},
    {.line = 3, .name = "TWN", .number = &Model::TWN, .formField = Field::txtTWrough},

    {.line = 4, .name = "PipeDiameter", .number = &Model::PipeDiameter, .scale = Scale::Length,
     .formField = Field::txtDiameter},
    {.line = 4, .name = "PipeMaterial", .number = &Model::PipeMaterial},
    {.line = 4, .name = "BoxSpan", .number = &Model::BoxSpan, .scale = Scale::Length,
     .formField = Field::txtSpan},
    {.line = 4, .name = "BoxRise", .number = &Model::BoxRise, .scale = Scale::Length,
     .formField = Field::txtRise},
    {.line = 4, .name = "InletType", .text = &Model::InletType},
    {.line = 4, .name = "CulvertN", .number = &Model::CulvertN, .formField = Field::txtBoxrough},
    {.line = 4, .name = "OutletN", .number = &Model::OutletN, .formField = Field::txtNOut},

    {.line = 5, .name = "InletSta", .number = &Model::InletSta, .scale = Scale::Length,
     .formField = Field::txtInletsta},
    {.line = 5, .name = "InletElev", .number = &Model::InletElev, .scale = Scale::Length,
     .formField = Field::txtInletelev},
    {.line = 5, .name = "UpperBreakSta", .number = &Model::UpperBreakSta, .scale = Scale::Length,
     .formField = Field::txtUppersta},
    {.line = 5, .name = "UpperBreakElev", .number = &Model::UpperBreakElev,
     .scale = Scale::Length, .formField = Field::txtUpperelev},
    {.line = 5, .name = "LowerBreakSta", .number = &Model::LowerBreakSta, .scale = Scale::Length,
     .formField = Field::txtLowersta},
    {.line = 5, .name = "LowerBreakElev", .number = &Model::LowerBreakElev,
     .scale = Scale::Length, .formField = Field::txtLowerelev},
    {.line = 5, .name = "OutletSta", .number = &Model::OutletSta, .scale = Scale::Length,
     .formField = Field::txtOutletsta},
    {.line = 5, .name = "OutletElev", .number = &Model::OutletElev, .scale = Scale::Length,
     .formField = Field::txtOutletelev},

    {.line = 6, .name = "TWType", .number = &Model::TWType},
    {.line = 6, .name = "BarrelShape", .number = &Model::BarrelShape},
    {.line = 6, .name = "BreakCount", .number = &Model::BreakCount},
}};

// Lines of the irregular cross-section block that follows when TWType is 3.
inline constexpr int kFirstPointLine = 7;
inline constexpr int kIrregularNLine = 22;
inline constexpr int kIrregularCountsLine = 23;
inline constexpr long kIrregularPoints = 15;

}  // namespace kelp
