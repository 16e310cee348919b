// Culverts for the engine tests, set directly in the model (English units).
#pragma once

#include "engine/analysis.h"
#include "engine/model.h"

namespace kelp::test {

// The inlet-control polynomial of a box with 1.5:1 bevelled wingwalls.
inline void BevelledBoxInlet(Model& m) {
    m.Ke = 0.2f;
    m.InletSlopeCoef = 0.5f;
    m.InletCoefA = 0.1566086f;
    m.InletCoefB = 0.3989353f;
    m.InletCoefC = -0.0640392f;
    m.InletCoefD = 0.01120135f;
    m.InletCoefE = -0.0006449f;
    m.InletCoefF = 1.4566e-05f;
}

// A concrete pipe with a square edge in a headwall.
inline void SquareEdgePipeInlet(Model& m) {
    m.Ke = 0.5f;
    m.InletSlopeCoef = 0.5f;
    m.InletCoefA = 0.08748299f;
    m.InletCoefB = 0.706578f;
    m.InletCoefC = -0.253295f;
    m.InletCoefD = 0.0667001f;
    m.InletCoefE = -0.00661651f;
    m.InletCoefF = 0.000250619f;
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
    BevelledBoxInlet(m);
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
    SquareEdgePipeInlet(m);
    Profile(m, 0, 50, 0, 50, 80, 30, 140, 29.7f);
    m.TailwaterCode = 1;
    m.TWElev = tw;
    m.TWVelocity = 0;
}

}  // namespace kelp::test
