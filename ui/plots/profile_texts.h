// The words and numbers printed around the water-surface profile, in the unit
// shown. Pure data: the picture draws exactly these lines.
#pragma once

#include <string>
#include <vector>

#include "model/model.h"

namespace kelp {

struct ProfileTexts {
    std::string title;
    std::vector<std::string> project;  // project lines and the discharge
    std::vector<std::string> culvert;  // barrel, material, roughness
    std::vector<std::string> results;  // slopes, headwater, tailwater, jump
    std::string xTitle, yTitle;
};

ProfileTexts BuildProfileTexts(const Model& model, bool metric);

// "Project: ...", "Location: ...", "Date: ...", as every picture prints them.
std::vector<std::string> ProjectLines(const Model& model);

// "Q = 40.0 cfs": a discharge already in the unit shown.
std::string DischargeText(double shown, bool metric);

// "Vertical exaggeration 10:1" for a factor of 10.
std::string ExaggerationText(double factor);

}  // namespace kelp
