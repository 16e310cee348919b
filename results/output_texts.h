// What the one-discharge result form shows, without any widget:
// every caption, formatted value, unit label and whether the line is shown.
// The window, the printed page and kelp-cli all present these texts.
#pragma once

#include <string>
#include <vector>

#include "form/prompts.h"
#include "model/model.h"

namespace kelp {

struct ResultLine {
    std::string caption;
    std::string value;
    std::string unit;  // empty when the value has none
    bool visible = true;
};

// Caption of the notes that say where an answer may be wrong.
inline constexpr const char* kWarningsCaption = "Warnings";

// The result form's group of the water-surface profile's values, and the
// title of the profile's picture.
inline constexpr const char* kProfileCaption = "Water Surface Profile";

struct OutputTexts {
    std::string title = kProgramName;
    bool metric = false;  // "&Metric" checked, else "&English"

    // "Project Data"
    ResultLine project, location, date;
    // "Culvert Data"; the size line shows the rise in `value` and the span in
    // `sizeSpan` (a pipe shows its diameter in both places).
    ResultLine discharge, barrels, shape, size, material, inletType;
    std::string sizeSpan;
    // "Output Data"
    ResultLine hwDepth, inletControl, breakControl, criticalDepth, twDepth, jump, jumpStation,
        jumpLength, outletDepth, outletVelocity, outletFroude;
    // "Water Surface Profile"
    ResultLine inletDepth, upperBreakDepth, lowerBreakDepth, jumpEndDepth, inletVelocity,
        upperBreakVelocity, lowerBreakVelocity, jumpEndVelocity, twDepthNormal, twVelocity;

    // Sentences shown below the output data where the answer may be wrong.
    std::vector<std::string> warnings;
};

// Fills the texts from the model's results; unitSystem 1 shows English units,
// any other value metric units.
OutputTexts BuildOutputTexts(const Model& model, float unitSystem);

struct ResultGroup {
    const char* caption;
    std::vector<const ResultLine*> lines;
};

// The four groups of the form in display order, every line included (hidden
// ones too: check `visible`).
std::vector<ResultGroup> Groups(const OutputTexts& texts);

}  // namespace kelp
