#include "ui/input/input_form.h"

#include <gtest/gtest.h>

#include "ui/input/catalogues.h"

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
    void ExpectSet(InletSetId id) {
        const InletSet& set = kInletSets[static_cast<std::size_t>(id)];
        EXPECT_EQ(model.InletCoefA, set.a) << set.id;
        EXPECT_EQ(model.InletCoefC, static_cast<float>(set.c)) << set.id;
        EXPECT_EQ(model.InletCoefF, set.f) << set.id;
        EXPECT_EQ(model.Ke, set.ke) << set.id;
        EXPECT_EQ(model.InletSlopeCoef, set.slopeCoef) << set.id;
    }

    Model model;
    InputForm form{model, "2025-03-04"};
};

TEST_F(InputFormTest, FreshFormHoldsTheDefaults) {
    EXPECT_TRUE(form.IsBox());
    EXPECT_TRUE(form.IsDouble());
    EXPECT_FALSE(form.field(Field::txtDiameter).enabled);
    EXPECT_EQ(form.field(Field::txtDiameter).background, kDisabledGrey);
    EXPECT_EQ(form.text(Field::cboBoxinlet), "Wingwall, 1.5:1 Bevel (18-34 deg. Flare)");
    EXPECT_EQ(form.text(Field::txtBoxrough), "0.012");
    EXPECT_EQ(form.text(Field::txtNOut), "0.012");
    EXPECT_EQ(form.text(Field::txtTWrough), "0.035");
    EXPECT_EQ(form.text(Field::cboTWMaterial), "Minor stream, n = 0.035");
    EXPECT_EQ(form.text(Field::txtDate), "2025-03-04");
    EXPECT_FALSE(form.field(Field::txtTWdiameter).enabled);  // empty shape: trapezoid rules
    EXPECT_FALSE(form.field(Field::txtTWelev).enabled);
    EXPECT_EQ(model.BarrelShape, 2);
    EXPECT_EQ(model.TWShape, 2);
    EXPECT_EQ(model.ProjectDate, "2025-03-04");
    ExpectSet(InletSetId::B6);
    EXPECT_FALSE(form.dataChanged);
}

TEST_F(InputFormTest, OptionRulesClearWhatTheyDisable) {
    form.SetText(Field::txtUppersta, "20");
    form.ChooseSingle();
    EXPECT_EQ(form.text(Field::txtUppersta), "");
    EXPECT_EQ(form.field(Field::txtUpperelev).background, kDisabledGrey);
    EXPECT_EQ(model.BreakCount, 1);
    form.ChooseDouble();
    EXPECT_TRUE(form.field(Field::txtUppersta).enabled);
    EXPECT_EQ(form.text(Field::txtUppersta), "");

    form.SetText(Field::txtTWslope, "0.004");
    form.ChooseTWConstant();
    EXPECT_TRUE(form.field(Field::txtTWelev).enabled);
    EXPECT_EQ(form.text(Field::txtTWslope), "");
    EXPECT_FALSE(form.field(Field::cboTWshape).enabled);
    EXPECT_EQ(model.TWType, 1);
    form.ChooseTWIrregular();
    EXPECT_FALSE(form.field(Field::txtTWrough).enabled);
    EXPECT_EQ(model.TWType, 3);

    form.SetText(Field::txtSpan, "6");
    form.ChooseCircle();
    EXPECT_EQ(form.text(Field::txtSpan), "");
    EXPECT_EQ(form.text(Field::cboBoxinlet), "");
    ExpectSet(InletSetId::B6);  // unchanged until a material is chosen
    EXPECT_EQ(model.BarrelShape, 1);
}

TEST_F(InputFormTest, ChannelShapeRuleKeepsTextOnTheButtonFace) {
    form.SetText(Field::txtTWbottom, "10");
    form.ChooseChannelShape("Circle");
    EXPECT_EQ(form.text(Field::txtTWbottom), "10");
    EXPECT_FALSE(form.field(Field::txtTWbottom).enabled);
    EXPECT_EQ(form.field(Field::txtTWbottom).background, kButtonFace);
    EXPECT_TRUE(form.field(Field::txtTWdiameter).enabled);
    EXPECT_EQ(model.TWShape, 6);
    form.ChooseChannelShape("Rectangle");
    EXPECT_FALSE(form.field(Field::txtTWleftside).enabled);
    EXPECT_EQ(model.TWShape, 1);
    form.ChooseChannelShape("Oval");
    EXPECT_EQ(model.TWShape, 2);
    EXPECT_TRUE(form.field(Field::txtTWrightside).enabled);
}

TEST_F(InputFormTest, KeyFilterTakesDigitsAndOnePoint) {
    Type(Field::txtDesDischarge, "1.2.3");
    EXPECT_EQ(form.text(Field::txtDesDischarge), "1.23");
    Type(Field::txtDesDischarge, "-e+ ,");
    EXPECT_EQ(form.text(Field::txtDesDischarge), "1.23");
    EXPECT_FALSE(form.KeyAccepted(Field::txtDesDischarge, 13));
    EXPECT_TRUE(form.KeyAccepted(Field::txtDesDischarge, 8));
    EXPECT_TRUE(form.KeyAccepted(Field::txtProject, '-'));
    EXPECT_FALSE(form.KeyAccepted(Field::txtProject, 13));
}

TEST_F(InputFormTest, FocusColoursAndTheRoughnessCopy) {
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
}

TEST_F(InputFormTest, EditsMarkTheDocumentAndEnablePrinting) {
    form.SetText(Field::txtMinDischarge, "10");
    form.SetText(Field::txtDesDischarge, "20");
    EXPECT_TRUE(form.dataChanged);
    form.WatchMenus();
    EXPECT_FALSE(form.PrintEnabled());
    form.SetText(Field::txtMaxDischarge, "30");
    form.WatchMenus();
    EXPECT_TRUE(form.PrintEnabled());
}

TEST_F(InputFormTest, BoxInletTypesLoadTheirSets) {
    form.ChooseInletType("Wingwall, 1:1 Bevel (45 deg. Flare)");
    ExpectSet(InletSetId::B6);
    EXPECT_EQ(model.InletType, "Wingwall, 1.5:1 Bevel (18-34 deg. Flare)");
    form.ChooseInletType("Wingwall, Square Edge (90 & 15 deg. Flare)");
    ExpectSet(InletSetId::B1);
    EXPECT_EQ(model.InletType, "Wingwall, Square Edge (90 & 15 deg. Flare)");
}

TEST_F(InputFormTest, MaterialChoiceRefillsInletsAndRoughness) {
    form.ChooseCircle();
    form.ChooseMaterial("Corr. Alum. Pipe");
    EXPECT_EQ(model.PipeMaterial, 3);
    EXPECT_EQ(form.text(Field::txtBoxrough), "0.031");
    EXPECT_EQ(form.text(Field::txtNOut), "0.031");
    EXPECT_EQ(form.text(Field::cboBoxinlet), "Flared End Section");
    EXPECT_EQ(form.Items(Field::cboBoxinlet).front(), "Thin Edge Projecting");
    ExpectSet(InletSetId::P4);
    form.ChooseInletType("Mitered to Conform to Slope");
    ExpectSet(InletSetId::P2);
    form.ChooseInletType("Beveled Edge (1:1)");
    ExpectSet(InletSetId::P7);
    form.ChooseInletType("Something else");
    ExpectSet(InletSetId::P8);
    EXPECT_EQ(model.InletType, "Beveled Edge (1.5:1)");

    form.ChooseMaterial("Concrete");
    EXPECT_EQ(model.PipeMaterial, 1);
    EXPECT_EQ(form.Items(Field::cboBoxinlet).size(), 6u);
    ExpectSet(InletSetId::P3);
    form.ChooseInletType("Beveled Edge (1:1)");
    ExpectSet(InletSetId::P7);

    form.ChooseCircle(true);
    EXPECT_EQ(form.text(Field::cboPipematerial), "Concrete");
    EXPECT_TRUE(form.Items(Field::cboBoxinlet).empty());
}

TEST_F(InputFormTest, ChannelRoughnessChoicePutsItsN) {
    form.ChooseChannelRoughness("Grass, some weeds, n = 0.030");
    EXPECT_EQ(form.text(Field::txtTWrough), "0.03");
    form.ChooseChannelRoughness("CMP, n = 0.024");
    EXPECT_EQ(form.text(Field::txtTWrough), "0.024");
    form.ChooseChannelRoughness("Tarmac");
    EXPECT_EQ(form.text(Field::txtTWrough), "0.024");
    EXPECT_EQ(form.Items(Field::cboTWMaterial).size(), 14u);
}

TEST(InletCatalogue, OnlyTheMiteredInletHasNoSlopeTerm) {
    for (const InletSet& set : kInletSets)
        EXPECT_EQ(set.slopeCoef == 0, set.id == "P2") << set.id;
}

}  // namespace
}  // namespace kelp
