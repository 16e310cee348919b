#include "engine/analysis.h"

#include "engine/barrel_profile.h"
#include "engine/outlet_values.h"
#include "engine/profile_step.h"
#include "model/codes.h"
#include "sections/section.h"
#include "tailwater/tailwater.h"

namespace kelp {
namespace {

float BarrelHeight(const Model& m) { return IsPipe(m.CulvertShape) ? m.PipeDiameter : m.BoxRise; }

void ClearJump(Model& m) {
    m.JumpFlag = "NO";
    m.JumpStation = 0;
    m.JumpLength = 0;
}

// Walk direction towards the section's normal depth.
float TowardsNormal(const Model& m, float normal) {
    const float s = WalkStep(m);
    return normal < m.CurrentDepth ? -s : s;
}

void WalkSteepAndOutlet(Model& m) {
    const float steepEnd = F32(static_cast<double>(m.InletSectionLength) + m.SteepSectionLength);
    ProfileStep(m, {m.CulvertN, m.SteepSectionSlope, TowardsNormal(m, m.NormalDepthSteep),
                    steepEnd, m.LowerBreakElev, m.UpperBreakSta, m.LowerBreakSta,
                    m.NormalDepthSteep});
    m.ProfileStation[m.ProfileIndex] = steepEnd;
    m.CurrentSlope = m.OutletSectionSlope;
    m.DepthLowerBreak = m.ProfileDepth[m.ProfileIndex];
    m.LowerBreakPoint = m.ProfileIndex;

    const float outletEnd = F32(static_cast<double>(steepEnd) + m.OutletSectionLength);
    ProfileStep(m, {m.OutletN, m.OutletSectionSlope, TowardsNormal(m, m.NormalDepthOutlet),
                    outletEnd, m.OutletElev, m.LowerBreakSta, m.OutletSta,
                    m.NormalDepthOutlet});
    m.ProfileStation[m.ProfileIndex] = outletEnd;
}

// Inlet control: the flow passes critical depth at the inlet and the whole
// profile is walked downstream from there.
void InletControlCompletion(Model& m) {
    const bool pipe = IsPipe(m.CulvertShape);
    m.CurrentStation = 0;
    m.ProfileIndex = 1;
    ClearJump(m);
    float depth = m.CriticalDepth;
    if (pipe && m.CriticalDepth == m.PipeDiameter) depth = F32(m.PipeDiameter - 0.001);
    m.CurrentDepth = depth;
    m.ProfileStation[1] = 0;
    m.ProfileDepth[1] = depth;
    m.DepthInlet = depth;

    ProfileStep(m, {m.CulvertN, m.InletSectionSlope, TowardsNormal(m, m.NormalDepthInlet),
                    m.InletSectionLength, m.UpperBreakElev, m.InletSta, m.UpperBreakSta,
                    m.NormalDepthInlet});
    m.CurrentStation = m.InletSectionLength;
    m.ProfileStation[m.ProfileIndex] = m.InletSectionLength;
    if (m.CurrentDepth > m.CriticalDepth) {
        // The flow cannot stay above critical depth over the upper break.
        m.CurrentDepth = pipe ? F32(m.CriticalDepth - 0.0001) : m.CriticalDepth;
        m.ProfileDepth[m.ProfileIndex] = m.CurrentDepth;
    }
    m.DepthUpperBreak = m.ProfileDepth[m.ProfileIndex];
    m.CurrentSlope = m.SteepSectionSlope;
    m.UpperBreakPoint = m.ProfileIndex;
    WalkSteepAndOutlet(m);
}

// Break control with a free upper break: the backwater profile reached the
// upper break at critical depth; walk on downstream from there.
void BreakControlCompletion(Model& m) {
    m.CurrentStation = m.InletSectionLength;
    ClearJump(m);
    m.ProfileIndex = m.ProfileCount;
    m.CurrentDepth = m.ProfileDepth[m.ProfileIndex];
    WalkSteepAndOutlet(m);
}

ControlCase DecideControl(Model& m, bool breakControlFound) {
    ControlCase control;
    if (!breakControlFound || m.InletControlElev > m.BreakControlElev) {
        control = ControlCase::Inlet;
        m.HWElev = m.InletControlElev;
    } else {
        m.HWElev = m.BreakControlElev;
        control = F32(static_cast<double>(m.UpperBreakElev) + m.CriticalDepth) <= m.TWElev
                      ? ControlCase::Tailwater
                      : ControlCase::Break;
    }
    m.HWDepth = F32(static_cast<double>(m.HWElev) - m.InletElev);
    return control;
}

}  // namespace

ControlCase AnalyseDischarge(Model& m, double q) {
    m.Warnings.clear();
    m.JumpState = 0;
    m.AnalysisQ = F32(q);
    ComputeTailwater(m);
    const bool pipe = IsPipe(m.CulvertShape);
    if (!pipe && !IsBox(m.CulvertShape)) return ControlCase::Inlet;

    m.BarrelQ = F32(Div(m.AnalysisQ, m.NBarrels));
    ComputeCriticalDepth(m);
    ComputeNormalDepths(m);
    const bool found = pipe ? PipeProfile(m) : BoxProfile(m);
    const ControlCase control = DecideControl(m, found);

    const float height = BarrelHeight(m);
    switch (control) {
        case ControlCase::Inlet:
            InletControlCompletion(m);
            SetOutletValues(m, WalkedOutletDepth(m, height));
            break;
        case ControlCase::Break:
            BreakControlCompletion(m);
            SetOutletValues(m, WalkedOutletDepth(m, height));
            break;
        case ControlCase::Tailwater:
            // No profile below the upper break: the tailwater decides the outlet.
            ClearJump(m);
            SetOutletValues(m, TailwaterOutletDepth(m, height));
            break;
    }
    return control;
}

void ComputeSectionLengths(Model& m) {
    if (m.InletSta == m.UpperBreakSta) {
        m.InletSectionLength = 0;
        m.InletSectionSlope = 0;
    } else {
        m.InletSectionLength = F32(static_cast<double>(m.UpperBreakSta) - m.InletSta);
        m.InletSectionSlope = F32(Div(static_cast<double>(m.InletElev) - m.UpperBreakElev,
                                      m.InletSectionLength));
    }
    m.SteepSectionLength = F32(static_cast<double>(m.LowerBreakSta) - m.UpperBreakSta);
    m.OutletSectionLength = F32(static_cast<double>(m.OutletSta) - m.LowerBreakSta);
    m.SteepSectionSlope = F32(Div(static_cast<double>(m.UpperBreakElev) - m.LowerBreakElev,
                                  m.SteepSectionLength));
    m.OutletSectionSlope = F32(Div(static_cast<double>(m.LowerBreakElev) - m.OutletElev,
                                   m.OutletSectionLength));
}

}  // namespace kelp
