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

TEST(UnitSwitch, EveryConvertedFieldAndNothingElse) {
    SwitchedForm f;
    const std::vector<Field> lengths = {
        Field::txtSpan,     Field::txtRise,      Field::txtInletsta,   Field::txtInletelev,
        Field::txtUppersta, Field::txtUpperelev, Field::txtLowersta,   Field::txtLowerelev,
        Field::txtOutletsta, Field::txtOutletelev, Field::txtTWbottom, Field::txtTWdiameter};
    for (Field field : lengths) f.form.SetText(field, "32.808");
    // Roughness, slopes and counts are the same in both systems.
    const std::vector<Field> unchanged = {Field::txtBoxrough, Field::txtNOut,
                                          Field::txtTWleftside, Field::txtTWslope,
                                          Field::txtTWrough, Field::txtBarrels};
    for (Field field : unchanged) f.form.SetText(field, "2");
    f.form.SetText(Field::txtMaxDischarge, "353.147");
    f.form.SetText(Field::txtMinDischarge, "12x");  // no number: left as it is
    f.units.ChooseMetric();
    for (Field field : lengths) EXPECT_EQ(f.form.text(field), "10.000") << FieldName(field);
    for (Field field : unchanged) EXPECT_EQ(f.form.text(field), "2") << FieldName(field);
    EXPECT_EQ(f.form.text(Field::txtMaxDischarge), "10.000");
    EXPECT_EQ(f.form.text(Field::txtMinDischarge), "12x");
    EXPECT_EQ(f.form.text(Field::txtDesDischarge), "");
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
