// Geometry of the sections (barrel and downstream channel) and the barrel's flow relations evaluated before the profile:
// critical depth and the normal depth of each section by Manning's equation.
#pragma once

#include "model/constants.h"
#include "model/model.h"

namespace kelp {

struct Section {
    double area = 0;
    double radius = 0;  // hydraulic radius
};

// A box of span B at depth y: A = B·y, P = 2y + B.
Section BoxSection(double span, double y);

// x = 2y/D − 1 of a circular barrel, held as a 32-bit value.
float CircleX(double y, double diameter);
// Half angle α of a circle filled to x = 2y/D − 1: the arcsine of x written as
// atan(x/√(1 − x²)) and kept 32-bit; a full or empty circle (x = ±1) divides
// by zero.
float CircleHalfAngle(double x);
// A circle of diameter D from its half angle: θ = 2α + π; A = (θ − sin θ)·D²/8,
// R = (1 − sin θ/θ)·D/4. `pi` is the routine's own π.
Section CircleAtAngle(float halfAngle, double diameter, double pi);
// A circular barrel from its x, keeping α in HalfAngle.
Section CircleSection(Model& model, double diameter, float x, double pi);

// Critical depth of one barrel, limited to the barrel height.
void ComputeCriticalDepth(Model& model);
// Normal depths of the inlet, steep and outlet sections, each limited to the
// barrel height.
void ComputeNormalDepths(Model& model);

}  // namespace kelp
