// The analysis model: the one set of variables through which the input form,
// the engine, the tailwater, the project file and the result windows exchange
// the culvert under study and the answers for one discharge.
//
// Everything is held in English units (ft, cfs, ft/s). Numbers are 32-bit
// floats; formulas are evaluated in double and rounded to float when stored.
// Codes (shape, option, material, unit system) are floats compared with the
// exact values 1, 2, 3, 6.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/checked.h"
#include "model/constants.h"

namespace kelp {

// A point array of the profile: indexes 0..200000 exist, of which the 16-bit
// counters can address at most 0..32767. An index outside the array is a fault.
class PointArray {
public:
    static constexpr int kLast = 200000;
    PointArray() : values_(kLast + 1, 0.0f) {}
    float& operator[](long i) { return values_[Checked(i)]; }
    float operator[](long i) const { return values_[Checked(i)]; }

private:
    static std::size_t Checked(long i) {
        if (i < 0 || i > kLast) throw RuntimeFault(kSubscriptOutOfRange);
        return static_cast<std::size_t>(i);
    }
    std::vector<float> values_;
};

// A small fixed array with checked indexes (cross-section points, n values).
template <std::size_t N>
class CheckedArray {
public:
    float& operator[](long i) { return values_[Checked(i)]; }
    float operator[](long i) const { return values_[Checked(i)]; }

private:
    static std::size_t Checked(long i) {
        if (i < 0 || i >= static_cast<long>(N)) throw RuntimeFault(kSubscriptOutOfRange);
        return static_cast<std::size_t>(i);
    }
    std::array<float, N> values_{};
};

// Feet per metre (also for velocities) and cfs per cms. Metric input is
// multiplied in double precision on reading and divided out on display; as
// decimal doubles they write 10 m as 32.808 ft, not with a float's rounding.
inline constexpr double kLengthFactor = 3.2808;
inline constexpr double kDischargeFactor = 35.3147;

struct Model {
    // Project text
    std::string ProjectName, ProjectLocation, ProjectDate;

    // Discharges, total over all barrels
    float MinQ = 0, DesignQ = 0, MaxQ = 0;
    float AnalysisQ = 0, BarrelQ = 0;

    // Culvert
    float CulvertShape = 2;  // 1 circular pipe, 2 box (taken when a run starts)
    float BarrelShape = 2;   // the input form's copy, stored in the project file
    float NBarrels = 1;
    float PipeDiameter = 0, BoxSpan = 0, BoxRise = 0;
    float BarrelWidth = 0, BarrelHeight = 0;
    float CulvertN = 0, OutletN = 0;
    float PipeMaterial = 0;  // 1 concrete, 2 corrugated metal, 3 corrugated aluminium
    std::string InletType;
    float InletCoefA = 0, InletCoefB = 0, InletCoefC = 0, InletCoefD = 0, InletCoefE = 0,
          InletCoefF = 0;
    float Ke = 0, InletSlopeCoef = 0;

    // Culvert profile
    float BreakCount = 2;  // 1 single, 2 double broken-back
    float InletSta = 0, InletElev = 0;
    float UpperBreakSta = 0, UpperBreakElev = 0;
    float LowerBreakSta = 0, LowerBreakElev = 0;
    float OutletSta = 0, OutletElev = 0;
    float InletSectionLength = 0, SteepSectionLength = 0, OutletSectionLength = 0;
    float InletSectionSlope = 0, SteepSectionSlope = 0, OutletSectionSlope = 0;
    double ShownInletSlope = 0, ShownSteepSlope = 0, ShownOutletSlope = 0;

    // Tailwater
    float TailwaterCode = 2;  // 1 constant, 2 regular channel, 3 irregular channel
    float TWType = 2;         // the input form's copy
    float TWElev = 0;
    float TWShape = 2;  // 1 rectangle, 2 trapezoid, 3 triangle, 6 circle
    float TWBottomWidth = 0, TWLeftSlope = 0, TWRightSlope = 0, TWDiameter = 0;
    float TWSlope = 0, TWN = 0;
    float TWDepth = 0, TWVelocity = 0;

    // Irregular cross-section, held in feet at all times
    CheckedArray<16> IrrSta, IrrElev;  // points 1..IrrCount
    int16_t IrrCount = 0;
    int16_t IrrOption = 0;
    int16_t IrrLeftBank = 0, IrrRightBank = 0;
    CheckedArray<4> IrrN;  // 1 left overbank, 2 main channel, 3 right overbank
    float IrrSlope = 0;
    std::string IrrStatus = "NONE";  // state of the last rated discharge

    // Constants kept as variables; some relations use them, others the literals
    float Gravity = kEnglishGravity;
    float ManningConst = kEnglishManning;
    float UnitSystem = 1;  // 1 English, 2 metric

    // Results of one discharge
    float CriticalDepth = 0;
    float NormalDepthInlet = 0, NormalDepthSteep = 0, NormalDepthOutlet = 0;
    float InletControlElev = 0, BreakControlElev = 0;
    float HWElev = 0, HWDepth = 0;
    float DepthInlet = 0, DepthUpperBreak = 0, DepthLowerBreak = 0;
    float VelInlet = 0, VelUpperBreak = 0, VelLowerBreak = 0;
    std::string JumpFlag = "NO";
    float JumpStation = 0, JumpLength = 0;
    float VelJumpEnd = 0;
    float OutletDepth = 0, OutletVelocity = 0, OutletFroude = 0;

    // Water-surface profile, point numbers from 1
    PointArray ProfileDepth, ProfileStation;
    int16_t ProfileCount = 0;
    int16_t ProfileIndex = 0;
    float UpperBreakPoint = 0, LowerBreakPoint = 0;

    // Working variables of the profile computations
    float CurrentDepth = 0, CurrentStation = 0, CurrentSlope = 0, DepthStep = 0;
    float HalfAngle = 0;
    int16_t JumpState = 0;
    double PrevStation = 0;
    float PipeLossSum = 0;
    PointArray WorkStation, WorkDepth;  // case A: distances upstream from the upper break
    PointArray BackStation, BackDepth;  // case B: distances upstream from the outlet

    // Plain-language warnings of the last analysis, where its answer may be
    // wrong (a search that could not reach its discharge, a depth limited to a
    // section's height, an irregular channel outside its normal state).
    std::vector<std::string> Warnings;

    // Run bookkeeping
    int16_t RunMode = 0;  // 1 after a design run, 0 after a range run
};

}  // namespace kelp
