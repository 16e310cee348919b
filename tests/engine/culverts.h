// Culverts for the engine tests, set directly in the model (English units).
#pragma once

#include "engine/analysis.h"
#include "model/model.h"

namespace kelp::test {

// Inlet coefficient sets as the inlet catalogue gives them: Ke, the slope
// coefficient and the polynomial's a to f.
struct InletSet {
    float ke, slope, a, b, c, d, e, f;
};

// Box, square edge in a headwall.
inline constexpr InletSet kBoxSquareEdge{0.5f, 0.5f, 0.122117f, 0.505435f, -0.10856f,
                                         0.0207809f, -0.00136757f, 3.456e-05f};
// Box, 1.5:1 bevelled wingwalls.
inline constexpr InletSet kBoxBevel{0.2f, 0.5f, 0.1566086f, 0.3989353f, -0.0640392f,
                                    0.01120135f, -0.0006449f, 1.4566e-05f};
// Corrugated pipe, thin edge projecting.
inline constexpr InletSet kPipeThinEdge{0.9f, 0.5f, 0.187321f, 0.56771f, -0.156544f,
                                        0.0447052f, -0.00343602f, 8.9661e-05f};
// Concrete pipe, square edge in a headwall.
inline constexpr InletSet kConcretePipeSquareEdge{0.5f, 0.5f, 0.08748299f, 0.706578f, -0.253295f,
                                                  0.0667001f, -0.00661651f, 0.000250619f};

inline void UseInlet(Model& m, const InletSet& s) {
    m.Ke = s.ke;
    m.InletSlopeCoef = s.slope;
    m.InletCoefA = s.a;
    m.InletCoefB = s.b;
    m.InletCoefC = s.c;
    m.InletCoefD = s.d;
    m.InletCoefE = s.e;
    m.InletCoefF = s.f;
}

inline void Profile(Model& m, float inletSta, float inletElev, float upperSta, float upperElev,
                    float lowerSta, float lowerElev, float outletSta, float outletElev) {
    m.InletSta = inletSta;
    m.InletElev = inletElev;
    m.UpperBreakSta = upperSta;
    m.UpperBreakElev = upperElev;
    m.LowerBreakSta = lowerSta;
    m.LowerBreakElev = lowerElev;
    m.OutletSta = outletSta;
    m.OutletElev = outletElev;
    ComputeSectionLengths(m);
}

// An 8 ft by 5 ft double broken-back box: a 30 ft inlet section at 0.01, a
// 120 ft steep section at 0.2 and a 90 ft outlet section at 0.005, with a
// constant tailwater at `tw`.
inline void DoubleBox(Model& m, float tw) {
    m.CulvertShape = 2;
    m.BoxSpan = 8;
    m.BoxRise = 5;
    m.NBarrels = 1;
    m.CulvertN = 0.012f;
    m.OutletN = 0.014f;
    UseInlet(m, kBoxBevel);
    Profile(m, 0, 250, 30, 249.7f, 150, 225.7f, 240, 225.25f);
    m.TailwaterCode = 1;
    m.TWElev = tw;
    m.TWVelocity = 0;
}

// A 4 ft concrete pipe, single broken-back: 80 ft at 0.25 then 60 ft at 0.005.
inline void SinglePipe(Model& m, float tw) {
    m.CulvertShape = 1;
    m.PipeDiameter = 4;
    m.NBarrels = 1;
    m.CulvertN = 0.012f;
    m.OutletN = 0.012f;
    UseInlet(m, kConcretePipeSquareEdge);
    Profile(m, 0, 50, 0, 50, 80, 30, 140, 29.7f);
    m.TailwaterCode = 1;
    m.TWElev = tw;
    m.TWVelocity = 0;
}

}  // namespace kelp::test
