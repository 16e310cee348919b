// Geometry of one barrel and the flow relations evaluated before the profile:
// critical depth and the normal depth of each section by Manning's equation.
#pragma once

#include "engine/constants.h"
#include "engine/model.h"

namespace kelp {

// π to full precision, used by the circular barrel's backwater profile; the
// section relations use kPiDecimal. Both are rules of their own routines.
inline constexpr double kPiFull = 3.14159265358979;

struct Section {
    double area = 0;
    double radius = 0;  // hydraulic radius
};

// A box of span B at depth y: A = B·y, P = 2y + B.
Section BoxSection(double span, double y);

// x = 2y/D − 1 of a circular barrel, held as a 32-bit value.
float CircleX(double y, double diameter);
// A circular barrel from its x: α = arcsine of x written as atan(x/√(1 − x²)),
// kept 32-bit in HalfAngle; θ = 2α + π; A = (θ − sin θ)·D²/8,
// R = (1 − sin θ/θ)·D/4. `pi` is the routine's own π.
Section CircleSection(Model& model, double diameter, float x, double pi);

// Critical depth of one barrel, limited to the barrel height.
void ComputeCriticalDepth(Model& model);
// Normal depths of the inlet, steep and outlet sections, each limited to the
// barrel height.
void ComputeNormalDepths(Model& model);

}  // namespace kelp
