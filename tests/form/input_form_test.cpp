#include "form/input_form.h"

#include <gtest/gtest.h>

#include "form/catalogues.h"

namespace kelp {
namespace {

class InputFormTest : public ::testing::Test {
protected:
    // Types the keys into a field as the view would: a key the filter refuses
    // leaves the text as it was.
    void Type(Field f, const std::string& keys) {
        for (char key : keys)
            if (form.KeyAccepted(f, key)) form.SetText(f, form.text(f) + key);
    }
    void ExpectTexts(std::initializer_list<std::pair<Field, const char*>> texts) {
        for (const auto& [f, text] : texts) EXPECT_EQ(form.text(f), text) << FieldName(f);
    }
    // The inlet coefficients in the model are those of set `id`.
    void ExpectSet(InletSetId id) {
        const InletSet& set = kInletSets[static_cast<std::size_t>(id)];
        EXPECT_EQ(model.InletCoefA, set.a) << set.id;
        EXPECT_EQ(model.Ke, set.ke) << set.id;
    }

    Model model;
    InputForm form{model, "2025-03-04"};
};

TEST_F(InputFormTest, FreshFormHoldsTheDefaults) {
    EXPECT_TRUE(form.IsBox() && form.IsDouble());
    EXPECT_EQ(form.field(Field::txtDiameter).background, kDisabledGrey);
    ExpectTexts({{Field::cboBoxinlet, "Wingwall, 1.5:1 Bevel (18-34 deg. Flare)"},
                 {Field::txtBoxrough, "0.012"}, {Field::txtNOut, "0.012"},
                 {Field::txtTWrough, "0.035"}, {Field::cboTWMaterial, "Minor stream, n = 0.035"},
                 {Field::txtDate, "2025-03-04"}});
    EXPECT_FALSE(form.field(Field::txtTWdiameter).enabled);  // empty shape: trapezoid rules
    EXPECT_FALSE(form.field(Field::txtTWelev).enabled);
    EXPECT_EQ(model.BarrelShape, 2);
    EXPECT_EQ(model.ProjectDate, "2025-03-04");
    ExpectSet(InletSetId::B6);
    EXPECT_FALSE(form.dataChanged);
}

TEST_F(InputFormTest, OptionRulesClearWhatTheyDisable) {
    form.SetText(Field::txtUppersta, "20");
    form.ChooseSingle();
    EXPECT_EQ(form.text(Field::txtUppersta), "");
    EXPECT_EQ(model.BreakCount, 1);
    form.ChooseDouble();
    EXPECT_TRUE(form.field(Field::txtUppersta).enabled);

    form.SetText(Field::txtTWslope, "0.004");
    form.ChooseTWConstant();
    EXPECT_TRUE(form.field(Field::txtTWelev).enabled);
    EXPECT_EQ(form.text(Field::txtTWslope), "");
    EXPECT_EQ(model.TWType, 1);
    form.ChooseTWIrregular();
    EXPECT_FALSE(form.field(Field::txtTWrough).enabled);
    EXPECT_EQ(model.TWType, 3);

    form.SetText(Field::txtSpan, "6");
    form.ChooseCircle();
    ExpectTexts({{Field::txtSpan, ""}, {Field::cboBoxinlet, ""}});
    ExpectSet(InletSetId::B6);  // unchanged until a material is chosen
    EXPECT_EQ(model.BarrelShape, 1);
}

TEST_F(InputFormTest, ChannelShapeRuleKeepsTextOnTheButtonFace) {
    form.SetText(Field::txtTWbottom, "10");
    struct Case { const char* shape; float code; Field on, off; };
    for (Case c : {Case{"Circle", 6, Field::txtTWdiameter, Field::txtTWbottom},
                   Case{"Rectangle", 1, Field::txtTWbottom, Field::txtTWleftside},
                   Case{"Triangle", 3, Field::txtTWrightside, Field::txtTWbottom},
                   Case{"Oval", 2, Field::txtTWleftside, Field::txtTWdiameter}}) {
        form.ChooseChannelShape(c.shape);
        EXPECT_EQ(model.TWShape, c.code) << c.shape;
        EXPECT_TRUE(form.field(c.on).enabled) << c.shape;
        EXPECT_FALSE(form.field(c.off).enabled) << c.shape;
        EXPECT_EQ(form.field(c.off).background, kButtonFace) << c.shape;
    }
    EXPECT_EQ(form.text(Field::txtTWbottom), "10");
}

TEST_F(InputFormTest, KeyFilterTakesDigitsAndOnePoint) {
    Type(Field::txtDesDischarge, "1.2.3-e+ ,");
    EXPECT_EQ(form.text(Field::txtDesDischarge), "1.23");
    EXPECT_FALSE(form.KeyAccepted(Field::txtDesDischarge, 13));
    EXPECT_TRUE(form.KeyAccepted(Field::txtDesDischarge, 8));
    EXPECT_TRUE(form.KeyAccepted(Field::txtProject, '-'));
    EXPECT_FALSE(form.KeyAccepted(Field::txtProject, 13));
}

TEST_F(InputFormTest, FocusColoursTheRoughnessCopyAndPrinting) {
    form.FocusGained(Field::txtSpan);
    EXPECT_EQ(form.field(Field::txtSpan).background, kFocusBlue);
    form.FocusLost(Field::txtSpan);
    EXPECT_EQ(form.field(Field::txtSpan).background, kWhite);
    form.FocusGained(Field::txtNOut);
    EXPECT_EQ(form.field(Field::txtNOut).background, kWhite);

    form.SetText(Field::txtBoxrough, "0.015");
    EXPECT_EQ(form.text(Field::txtNOut), "0.012");
    form.FocusLost(Field::txtBoxrough);
    EXPECT_EQ(form.text(Field::txtNOut), "0.015");

    // Printing waits for all three discharges.
    for (Field f : {Field::txtMinDischarge, Field::txtDesDischarge, Field::txtMaxDischarge}) {
        form.WatchMenus();
        EXPECT_FALSE(form.PrintEnabled());
        form.SetText(f, "10");
    }
    form.WatchMenus();
    EXPECT_TRUE(form.PrintEnabled());
}

// An inlet text loads its set; a pipe's set may depend on the material, and
// a text that is none of the list's loads the catch-all set under its own text.
TEST_F(InputFormTest, InletTypesAndMaterialsLoadTheirSetsAndRoughness) {
    form.ChooseInletType("Wingwall, Square Edge (90 & 15 deg. Flare)");
    ExpectSet(InletSetId::B1);
    form.ChooseInletType("Wingwall, 1:1 Bevel (45 deg. Flare)");
    ExpectSet(InletSetId::B6);
    EXPECT_EQ(model.InletType, "Wingwall, 1.5:1 Bevel (18-34 deg. Flare)");

    form.ChooseCircle();
    form.ChooseMaterial("Corr. Alum. Pipe");
    EXPECT_EQ(model.PipeMaterial, 3);
    ExpectTexts({{Field::txtBoxrough, "0.031"}, {Field::txtNOut, "0.031"},
                 {Field::cboBoxinlet, "Flared End Section"}});
    EXPECT_EQ(form.Items(Field::cboBoxinlet).front(), "Thin Edge Projecting");
    ExpectSet(InletSetId::P4);
    const std::pair<const char*, InletSetId> inlets[] = {
        {"Mitered to Conform to Slope", InletSetId::P2},
        {"Beveled Edge (1:1)", InletSetId::P7},
        {"Something else", InletSetId::P8}};
    for (const auto& [inlet, set] : inlets) {
        form.ChooseInletType(inlet);
        ExpectSet(set);
    }
    EXPECT_EQ(model.InletType, "Beveled Edge (1.5:1)");
    form.ChooseMaterial("Concrete");
    EXPECT_EQ(form.Items(Field::cboBoxinlet).size(), 6u);
    ExpectSet(InletSetId::P3);

    form.ChooseCircle(true);
    EXPECT_EQ(form.text(Field::cboPipematerial), "Concrete");
    EXPECT_TRUE(form.Items(Field::cboBoxinlet).empty());

    const std::pair<const char*, const char*> channels[] = {
        {"Grass, some weeds, n = 0.030", "0.03"}, {"CMP, n = 0.024", "0.024"}, {"Tarmac", "0.024"}};
    for (const auto& [choice, n] : channels) {
        form.ChooseChannelRoughness(choice);
        EXPECT_EQ(form.text(Field::txtTWrough), n) << choice;
    }
}

}  // namespace
}  // namespace kelp
