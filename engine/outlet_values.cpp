#include "engine/outlet_values.h"

#include "model/codes.h"
#include "sections/section.h"

namespace kelp {
namespace {

// The tailwater drowns the outlet, but the depth stays between critical depth
// and the barrel height.
float DrownedDepth(const Model& m, float height) {
    if (m.TWDepth >= height) return height;
    if (m.TWDepth > m.CriticalDepth) return m.TWDepth;
    return m.CriticalDepth;
}

void BoxVelocities(Model& m) {
    const double q = m.BarrelQ;
    const double b = m.BoxSpan;
    m.VelInlet = F32(Div(q, b * m.DepthInlet));
    m.VelUpperBreak = F32(Div(q, b * m.DepthUpperBreak));
    m.VelLowerBreak = F32(Div(q, b * m.DepthLowerBreak));
    m.OutletVelocity = F32(Div(q, b * m.OutletDepth));
    m.VelJumpEnd = F32(Div(q, b * m.CurrentDepth));
    m.OutletFroude = F32(Div(m.OutletVelocity, Sqrt(m.Gravity * m.OutletDepth)));
}

void PipeVelocities(Model& m) {
    const float d = m.PipeDiameter;
    const float belowCrown = F32(d - 0.001);
    // A full pipe has no free surface; its depths are taken just below the crown.
    if (m.CurrentDepth >= d) m.CurrentDepth = F32(d - 0.0001);
    for (float* depth : {&m.DepthInlet, &m.DepthUpperBreak, &m.DepthLowerBreak})
        if (*depth >= d) *depth = belowCrown;
    const double q = m.BarrelQ;
    const auto velocity = [&m, d, q](float depth) {
        return F32(Div(q, CircleSection(m, d, CircleX(depth, d), kPiDecimal).area));
    };
    m.VelInlet = velocity(m.DepthInlet);
    m.VelUpperBreak = velocity(m.DepthUpperBreak);
    m.VelLowerBreak = velocity(m.DepthLowerBreak);
    m.VelJumpEnd = velocity(m.CurrentDepth);
    if (m.OutletDepth >= d) {
        m.OutletVelocity = F32(Div(q, kPiDecimal * d * d / 4.0));
        m.OutletDepth = d;
    } else {
        m.OutletVelocity = velocity(m.OutletDepth);
    }
    const double od = m.OutletDepth;
    m.OutletFroude = F32(Div(0.176 * q, od * od * Sqrt(d)));
}

}  // namespace

float WalkedOutletDepth(const Model& m, float height) {
    if (m.JumpFlag == "YES" && m.CurrentDepth >= m.CriticalDepth) return DrownedDepth(m, height);
    return m.CurrentDepth;
}

float TailwaterOutletDepth(const Model& m, float height) {
    if (m.CriticalDepth <= m.CurrentDepth) return DrownedDepth(m, height);
    return m.CurrentDepth;
}

void SetOutletValues(Model& m, float outletDepth) {
    m.OutletDepth = outletDepth;
    if (IsPipe(m.CulvertShape))
        PipeVelocities(m);
    else
        BoxVelocities(m);
}

}  // namespace kelp
