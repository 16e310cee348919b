#include "form/unit_switch.h"

#include <gtest/gtest.h>

#include <vector>

namespace kelp {
namespace {

struct SwitchedForm {
    Model model;
    InputForm form{model, "2024-05-01"};
    UnitSwitch units{form};

    std::string Captions() const {
        const UnitCaptions& u = form.units;
        return u.discharge + " " + u.length + " " + u.bottomSlope + " " + u.sideSlope;
    }
};

TEST(UnitSwitch, SwitchingBackShowsTheValueBehindTheRoundedTextAndOnlyOnAChange) {
    SwitchedForm f;
    f.form.SetText(Field::txtDesDischarge, "100");
    f.form.SetText(Field::txtInletsta, "10");
    f.units.ChooseEnglish();
    EXPECT_EQ(f.form.text(Field::txtInletsta), "10");
    f.units.ChooseMetric();
    f.units.ChooseMetric();
    EXPECT_EQ(f.form.text(Field::txtDesDischarge), "2.832");
    EXPECT_EQ(f.form.text(Field::txtInletsta), "3.048");
    EXPECT_EQ(f.model.UnitSystem, 2);
    f.units.ChooseEnglish();
    EXPECT_EQ(f.form.text(Field::txtDesDischarge), "100.00");
    EXPECT_EQ(f.form.text(Field::txtInletsta), "10.00");
    EXPECT_EQ(f.model.UnitSystem, 1);
    // An edit in metric units is what converts back.
    f.units.ChooseMetric();
    f.form.SetText(Field::txtDesDischarge, "3");
    f.units.ChooseEnglish();
    EXPECT_EQ(f.form.text(Field::txtDesDischarge), "105.94");
}

// Every number with a discharge or length unit beside it is converted; a
// roughness, a slope or a count is the same in both systems.
TEST(UnitSwitch, EveryFieldWithADischargeOrLengthUnitAndNothingElse) {
    SwitchedForm f;
    auto numbers = [] {
        std::vector<Field> fields;
        for (std::size_t i = 0; i < kFieldCount; ++i)
            if (InputForm::IsNumberField(static_cast<Field>(i))) fields.push_back(Field(i));
        return fields;
    }();
    for (Field field : numbers) f.form.SetText(field, "32.808");
    f.form.SetText(Field::txtMinDischarge, "12x");  // no number: left as it is
    f.units.ChooseMetric();
    for (Field field : numbers) {
        const char* expected = "32.808";
        if (FieldUnitGroup(field) == UnitGroup::Length) expected = "10.000";
        if (FieldUnitGroup(field) == UnitGroup::Discharge) expected = "0.929";
        if (field == Field::txtMinDischarge) expected = "12x";
        EXPECT_EQ(f.form.text(field), expected) << FieldName(field);
    }
}

TEST(UnitSwitch, DisabledFieldsWithTextConvertAndASingleProfileSkipsTheUpperBreak) {
    SwitchedForm f;
    f.form.SetText(Field::txtTWbottom, "3.2808");
    f.form.ChooseChannelShape("Circle");  // bottom width disabled, text kept
    ASSERT_FALSE(f.form.field(Field::txtTWbottom).enabled);
    f.form.ChooseSingle();
    // A single broken-back culvert leaves the upper break fields untouched,
    // even when something stands in them.
    f.form.SetText(Field::txtUppersta, "3.2808");
    f.units.ChooseMetric();
    EXPECT_EQ(f.form.text(Field::txtTWbottom), "1.000");
    EXPECT_EQ(f.form.text(Field::txtUppersta), "3.2808");
}

TEST(UnitSwitch, CaptionsCheckMarkAndEnglishConstants) {
    SwitchedForm f;
    EXPECT_EQ(f.Captions(), "cfs ft ft/ft H:1V");
    EXPECT_FALSE(f.units.MetricChecked());
    f.units.ChooseMetric();
    EXPECT_EQ(f.Captions(), "cms m m/m __H:1V");
    EXPECT_EQ(f.units.CheckedUnitSystem(), 2);
    f.model.Gravity = 0;
    f.units.ChooseEnglish();
    EXPECT_EQ(f.Captions(), "cfs ft ft/ft __H:1V");
    EXPECT_EQ(f.units.CheckedUnitSystem(), 1);
    EXPECT_EQ(f.model.Gravity, 32.2f);
    EXPECT_EQ(f.model.ManningConst, 1.49f);
}

TEST(UnitSwitch, TheEditorBoxesAreRewrittenFirstAndOnlyOnAChange) {
    SwitchedForm f;
    f.form.SetText(Field::txtDesDischarge, "100");
    std::vector<std::pair<float, std::string>> calls;
    f.units.rewriteEditorBoxes = [&](float system) {
        calls.emplace_back(system, f.form.text(Field::txtDesDischarge));
    };
    f.units.ChooseEnglish();
    f.units.ChooseMetric();
    f.units.ChooseMetric();
    f.units.ChooseEnglish();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], std::make_pair(2.0f, std::string("100")));
    EXPECT_EQ(calls[1], std::make_pair(1.0f, std::string("2.832")));
}

}  // namespace
}  // namespace kelp
