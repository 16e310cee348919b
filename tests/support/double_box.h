// A double broken-back box with a constant tailwater whose every field passes
// the checks: 30 to 400 cfs, design 120 cfs, an 8 ft by 5 ft box.
#pragma once

#include <utility>

#include "form/input_form.h"

namespace kelp::testing {

inline constexpr std::pair<Field, const char*> kDoubleBox[] = {
    {Field::txtProject, "Test culvert"}, {Field::txtMinDischarge, "30"},
    {Field::txtDesDischarge, "120"},     {Field::txtMaxDischarge, "400"},
    {Field::txtSpan, "8"},               {Field::txtRise, "5"},
    {Field::txtInletsta, "0"},           {Field::txtInletelev, "250"},
    {Field::txtUppersta, "30"},          {Field::txtUpperelev, "249.7"},
    {Field::txtLowersta, "150"},         {Field::txtLowerelev, "225.7"},
    {Field::txtOutletsta, "240"},        {Field::txtOutletelev, "225.25"},
    {Field::txtTWelev, "230"}};

inline void FillDoubleBox(InputForm& form) {
    form.ChooseTWConstant();
    for (const auto& [field, text] : kDoubleBox) form.SetText(field, text);
}

}  // namespace kelp::testing
