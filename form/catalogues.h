// The input form's fixed lists: inlet types with their inlet-control
// coefficients, pipe materials, channel shapes and channel roughness values.
// A choice in these lists sets model codes and loads the coefficients that the
// inlet-control headwater and the barrel profile use.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "model/model.h"

namespace kelp {

// Coefficients of HW/D = a + bX + cX^2 + dX^3 + eX^4 + fX^5 - s*S for one group
// of inlets. c and e were derived in double precision and are rounded to
// single precision only when loaded; the others are single-precision values.
struct InletSet {
    std::string_view id;
    float ke, slopeCoef;
    float a, b;
    double c;
    float d;
    double e;
    float f;
};

enum class InletSetId : std::uint8_t { B1, B2, B3, B4, B5, B6, P1, P2, P3, P4, P5, P6, P7, P8 };

inline constexpr std::array<InletSet, 14> kInletSets{{
    {"B1", 0.5f, 0.5f, 0.122117f, 0.505435f, -0.10856, 0.0207809f, -0.00136757, 3.456e-05f},
    {"B2", 0.2f, 0.5f, 0.0967588f, 0.4551575f, -0.0812895, 0.01215577f, -0.0006779401, 1.48e-05f},
    {"B3", 0.2f, 0.5f, 0.0895633f, 0.4412465f, -0.0743498, 0.01273183f, -0.0007588, 1.774e-05f},
    {"B4", 0.4f, 0.5f, 0.0724927f, 0.507087f, -0.117474, 0.0221702f, -0.00148958, 3.8e-05f},
    {"B5", 0.7f, 0.5f, 0.144133f, 0.461363f, -0.0921507, 0.0200028f, -0.00136449, 3.58e-05f},
    {"B6", 0.2f, 0.5f, 0.1566086f, 0.3989353f, -0.0640392, 0.01120135f, -0.0006449, 1.4566e-05f},
    {"P1", 0.9f, 0.5f, 0.187321f, 0.56771f, -0.156544, 0.0447052f, -0.00343602, 8.9661e-05f},
    {"P2", 0.7f, 0.0f, 0.107137f, 0.757789f, -0.361462, 0.1233932f, -0.01606422, 0.00076739f},
    {"P3", 0.5f, 0.5f, 0.08748299f, 0.706578f, -0.253295, 0.0667001f, -0.00661651, 0.000250619f},
    {"P4", 0.5f, 0.5f, 0.167433f, 0.538595f, -0.149374, 0.0391543f, -0.00343974, 0.000115882f},
    {"P5", 0.2f, 0.5f, 0.108786f, 0.662381f, -0.233801, 0.0579585f, -0.0055789, 0.000205052f},
    {"P6", 0.2f, 0.5f, 0.114099f, 0.653562f, -0.233615, 0.0597723f, -0.00616338, 0.000242832f},
    {"P7", 0.2f, 0.5f, 0.06334301f, 0.766512f, -0.316097, 0.0876701f, -0.009836951, 0.00041676f},
    {"P8", 0.2f, 0.5f, 0.08173f, 0.698353f, -0.253683, 0.06512501f, -0.0071975, 0.000312451f},
}};

// An inlet text and the set it loads; square-edged and flared pipe inlets
// depend on whether the pipe is concrete.
struct InletRow {
    std::string_view text;
    InletSetId concrete;
    InletSetId otherMaterial;
};

// Rows in the order they are compared. A text matching none loads the
// catch-all row, whose own text becomes the inlet type.
inline constexpr std::array<InletRow, 6> kBoxInletRows{{
    {"Headwall, Square Edge (90-45 deg.)", InletSetId::B1, InletSetId::B1},
    {"Headwall, 1.5:1 Bevel (90 deg.)", InletSetId::B2, InletSetId::B2},
    {"Headwall, 1:1 Bevel", InletSetId::B3, InletSetId::B3},
    {"Wingwall, Square Edge (30-75 deg. Flare)", InletSetId::B4, InletSetId::B4},
    {"Wingwall, Square Edge (90 & 15 deg. Flare)", InletSetId::B1, InletSetId::B1},
    {"Wingwall, Square Edge (0 deg. Flare)", InletSetId::B5, InletSetId::B5},
}};
inline constexpr InletRow kBoxCatchAll{"Wingwall, 1.5:1 Bevel (18-34 deg. Flare)", InletSetId::B6,
                                       InletSetId::B6};

inline constexpr std::array<InletRow, 7> kPipeInletRows{{
    {"Thin Edge Projecting", InletSetId::P1, InletSetId::P1},
    {"Mitered to Conform to Slope", InletSetId::P2, InletSetId::P2},
    {"Square Edge with Headwall", InletSetId::P3, InletSetId::P4},
    {"Groove End Projecting", InletSetId::P5, InletSetId::P5},
    {"Groove End in Headwall", InletSetId::P6, InletSetId::P6},
    {"Beveled Edge (1:1)", InletSetId::P7, InletSetId::P7},
    {"Flared End Section", InletSetId::P3, InletSetId::P4},
}};
inline constexpr InletRow kPipeCatchAll{"Beveled Edge (1.5:1)", InletSetId::P8, InletSetId::P8};

inline constexpr std::string_view kConcrete = "Concrete";
inline constexpr std::string_view kDefaultBoxInlet = kBoxCatchAll.text;
inline constexpr std::string_view kDefaultPipeInlet = kPipeInletRows[6].text;

// The inlet lists as offered: the rows' texts in an order of their own. The
// box list's last entry has no row of its own and loads the catch-all set.
inline constexpr std::array<std::string_view, 8> kBoxInletList{
    kBoxInletRows[0].text, kBoxInletRows[1].text, kBoxInletRows[2].text,
    kBoxInletRows[3].text, kBoxInletRows[4].text, kBoxInletRows[5].text,
    kBoxCatchAll.text,     "Wingwall, 1:1 Bevel (45 deg. Flare)",
};
inline constexpr std::array<std::string_view, 6> kConcretePipeInlets{
    kPipeInletRows[2].text, kPipeInletRows[3].text, kPipeInletRows[4].text,
    kPipeCatchAll.text,     kPipeInletRows[5].text, kPipeInletRows[6].text,
};
inline constexpr std::array<std::string_view, 6> kCorrugatedPipeInlets{
    kPipeInletRows[0].text, kPipeInletRows[1].text, kPipeInletRows[2].text,
    kPipeCatchAll.text,     kPipeInletRows[5].text, kPipeInletRows[6].text,
};

struct PipeMaterialEntry {
    std::string_view text;
    float code;                  // PipeMaterial
    std::string_view roughness;  // put into both roughness fields
    std::span<const std::string_view> inlets;
};

// The last entry also stands for any text that is not one of the others.
inline constexpr std::array<PipeMaterialEntry, 3> kPipeMaterials{{
    {kConcrete, 1, "0.012", kConcretePipeInlets},
    {"Corr. Metal Pipe", 2, "0.024", kCorrugatedPipeInlets},
    {"Corr. Alum. Pipe", 3, "0.031", kCorrugatedPipeInlets},
}};

// A channel shape, its TWShape code and the dimensions it uses.
struct ChannelShape {
    std::string_view text;
    float code;
    bool bottomWidth, sideSlopes, diameter;
};

// In list order; the first (trapezoid) also stands for any other text.
inline constexpr std::array<ChannelShape, 4> kChannelShapes{{
    {"Trapezoid", 2, true, true, false},
    {"Rectangle", 1, true, false, false},
    {"Triangle", 3, false, true, false},
    {"Circle", 6, false, false, true},
}};

struct ChannelRoughness {
    std::string_view text;
    float n;
};

// The roughness list as offered, in order.
inline constexpr std::array<ChannelRoughness, 14> kChannelRoughness{{
    {"Concrete - culvert, n = 0.012", 0.012f},
    {"CMP - storm drain, n = 0.024", 0.024f},
    {"Clay drainage tile, n = 0.013", 0.013f},
    {"Brick in cement mortar, n = 0.015", 0.015f},
    {"Weathered earth, n = 0.022", 0.022f},
    {"Short grass, n = 0.027", 0.027f},
    {"Grass, some weeds, n = 0.030", 0.03f},
    {"Stony bottom, weedy banks, n = 0.035", 0.035f},
    {"Cobble bottom, clean sides, n = 0.040", 0.04f},
    {"Rock, jagged and irregular, n = 0.040", 0.04f},
    {"High dense weeds, n = 0.080", 0.08f},
    {"Clean bottom, brush on sides, n = 0.050", 0.05f},
    {"Minor stream, n = 0.035", 0.035f},
    {"Minor stream, very weedy, n = 0.100", 0.1f},
}};
// Older texts still recognised when they stand in the list's text.
inline constexpr std::array<ChannelRoughness, 2> kFormerChannelRoughness{{
    {"Concrete, n = 0.012", 0.012f},
    {"CMP, n = 0.024", 0.024f},
}};
inline constexpr std::string_view kDefaultChannelRoughness = kChannelRoughness[12].text;

// The row an inlet text loads for a box or a pipe (the catch-all row when
// the text is none of the listed ones).
const InletRow& InletRowOf(bool box, std::string_view text);
// The set of an inlet text; a pipe's set may depend on the material text.
const InletSet& InletSetOf(bool box, std::string_view text, std::string_view material);
// Loads InletCoefA..F, Ke, InletSlopeCoef and InletType for the inlet text.
void LoadInletType(Model& model, bool box, std::string_view text, std::string_view material);

// The material entry of a text (the last entry for an unknown text).
const PipeMaterialEntry& PipeMaterialOf(std::string_view text);
// The material entry of a PipeMaterial code; nullptr for an unknown code.
const PipeMaterialEntry* PipeMaterialByCode(float code);
// The barrel's material as the results name it: a box is concrete; an
// unknown pipe code reads as the last material.
std::string_view MaterialName(const Model& model);

// The shape entry of a text (trapezoid for an unknown or empty text).
const ChannelShape& ChannelShapeOf(std::string_view text);
// The shape entry of a TWShape code; nullptr for an unknown code.
const ChannelShape* ChannelShapeByCode(float code);

// n of a roughness text, former texts first; nullptr when the text is unknown.
const ChannelRoughness* ChannelRoughnessOf(std::string_view text);
// The first listed entry whose n equals n exactly; nullptr when none does.
const ChannelRoughness* ChannelRoughnessWithN(float n);

}  // namespace kelp
