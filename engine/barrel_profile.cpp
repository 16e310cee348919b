#include "engine/barrel_profile.h"

#include <algorithm>
#include <cmath>

#include "engine/backwater.h"
#include "engine/inlet_control.h"

namespace kelp {
namespace {

constexpr float kUp = 0.01f;
constexpr float kDown = -0.01f;

// Bend loss coefficient at a break deflecting the flow by θ degrees.
double BendCoefficient(double degrees) { return 0.0139 * degrees - 0.00008 * degrees; }

class ProfileComputation {
public:
    ProfileComputation(Model& m, bool pipe)
        : m_(m),
          barrel_(m, pipe),
          D_(barrel_.height()),
          dc_(m.CriticalDepth),
          L1_(m.InletSectionLength),
          L2_(m.SteepSectionLength),
          L3_(m.OutletSectionLength),
          Lt_(F32(static_cast<double>(L1_) + L2_ + L3_)),
          s0_(L1_ == 0.0f ? m.SteepSectionSlope : m.InletSectionSlope),
          tw_(m.TWElev) {}

    bool Compute() {
        ComputeInletControl(m_, s0_);
        if (barrel_.pipe()) m_.PipeLossSum = 0;
        m_.ProfileCount = 1;
        m_.ProfileIndex = 1;
        if (F32(m_.UpperBreakElev + dc_) > tw_) return CaseA();
        if (F32(m_.InletElev + dc_) >= tw_) {
            m_.BreakControlElev = 0;
            return false;
        }
        CaseB();
        return true;
    }

private:
    // Outlet-control head over the downstream invert E of the analysed reach:
    // the tailwater depth, but never less than D/2 + dc.
    double OutletHead(float invert) const {
        const float tailwater = F32(static_cast<double>(tw_) - invert);
        const float half = F32(D_ / 2.0 + dc_);
        return half >= tailwater ? half : tailwater;
    }

    // Entrance, friction and the other losses (exit, bends) of a barrel
    // flowing full over length L, at the span velocity of the full depth.
    double FullFlowLoss(double length, double others) {
        const float full = barrel_.fullDepth();
        const double friction = FrictionCoefficient(m_.CulvertN, length, barrel_.At(full).radius);
        return barrel_.Kept((m_.Ke + others + friction) * VelocityHead(barrel_.SpanVelocity(full)));
    }

    double EntranceLoss() {
        const Section s = barrel_.AtCurrentDepth();
        return VelocityHead(Div(m_.BarrelQ, s.area)) * m_.Ke;
    }

    void Start(PointArray& stations, PointArray& depths, float x, float y) {
        m_.CurrentStation = x;
        m_.CurrentDepth = y;
        stations[1] = 0.0f;
        depths[1] = y;
    }

    // ---- Case A: the flow passes critical depth at the upper break and the
    // subcritical reach is the inlet section.
    bool CaseA() {
        if (L1_ == 0.0f) {
            m_.UpperBreakPoint = m_.ProfileCount;
            m_.BreakControlElev = 0;
            return false;
        }
        Backwater bw(m_, barrel_, m_.WorkStation, m_.WorkDepth, s0_, true);
        double loss;
        if (D_ < dc_) {
            m_.DepthUpperBreak = D_;
            ThreePoints(bw, D_);
            loss = FullFlowLoss(L1_, 0.0);
        } else if (F32(m_.UpperBreakElev + static_cast<double>(L1_) * s0_ + D_) <= tw_) {
            // The inlet section lies wholly below the tailwater.
            const float depth = std::min(F32(static_cast<double>(tw_) - m_.UpperBreakElev), D_);
            m_.DepthUpperBreak = depth;
            m_.CurrentDepth = depth;
            ThreePoints(bw, depth);
            const double friction =
                FrictionCoefficient(m_.CulvertN, L1_, barrel_.At(depth).radius);
            loss = barrel_.Kept((m_.Ke + friction) * VelocityHead(barrel_.SpanVelocity(D_)));
        } else {
            Start(m_.WorkStation, m_.WorkDepth, 0.0f, std::min(dc_, D_));
            m_.DepthStep = kUp;
            bw.Run(L1_);
            loss = barrel_.AddLoss(bw.loss, EntranceLoss());
            m_.DepthUpperBreak = dc_;
        }
        m_.BreakControlElev = F32(m_.UpperBreakElev + OutletHead(m_.UpperBreakElev) + loss);
        m_.DepthUpperBreak = std::min(m_.DepthUpperBreak, D_);
        Reverse(m_.WorkStation, m_.WorkDepth, L1_, false);
        m_.UpperBreakPoint = m_.ProfileCount;
        KeepPipeLoss(loss);
        return true;
    }

    // The full-flow branches of case A: (L1, first), (0, D), (L1, D).
    void ThreePoints(Backwater& bw, float first) {
        m_.WorkStation[1] = L1_;
        m_.WorkDepth[1] = first;
        bw.Append(0.0, D_);
        bw.Append(L1_, D_);
    }

    // ---- Case B: the tailwater drowns the upper break; the whole barrel is
    // analysed upstream from the outlet.
    void CaseB() {
        const double s1 = m_.InletSectionSlope, s2 = m_.SteepSectionSlope,
                     s3 = m_.OutletSectionSlope;
        kb1_ = BendCoefficient(std::fabs(std::tan(s2) - std::tan(s1)) * 57.3);
        kb2_ = BendCoefficient(std::fabs(std::tan(s2) - std::tan(s3)) * 57.3);
        Backwater bw(m_, barrel_, m_.BackStation, m_.BackDepth, s0_, false);
        double loss;
        if (D_ < dc_ || F32(m_.InletElev + D_) < tw_) {
            loss = FullBarrel(bw);
        } else if (F32(m_.OutletElev + D_) >= tw_) {
            loss = FreeOutlet(bw);
        } else {
            loss = SubmergedOutlet(bw);
        }
        m_.BreakControlElev = F32(m_.OutletElev + OutletHead(m_.OutletElev) + loss);
        m_.DepthUpperBreak = std::min(m_.DepthUpperBreak, D_);
        Reverse(m_.BackStation, m_.BackDepth, Lt_, true);
        KeepPipeLoss(loss);
    }

    void KeepPipeLoss(double loss) {
        if (barrel_.pipe()) m_.PipeLossSum = F32(loss);
    }

    double WholeBarrelLoss() {
        const double kb1 = L1_ == 0.0f ? 0.0 : kb1_;
        return FullFlowLoss(Lt_, 1.0 + kb1 + kb2_);
    }

    // B1: the barrel flows full over its whole length.
    double FullBarrel(Backwater& bw) {
        Start(m_.BackStation, m_.BackDepth, 0.0f, D_);
        LowerBreakAtCrown(bw);
        UpperBreakAtCrown(bw);
        bw.Append(Lt_, D_);
        m_.CurrentDepth = D_;
        return WholeBarrelLoss();
    }

    // B2: the outlet crown stands above the tailwater; free surface at the outlet.
    double FreeOutlet(Backwater& bw) {
        const float y = std::min(F32(static_cast<double>(tw_) - m_.OutletElev), D_);
        Start(m_.BackStation, m_.BackDepth, 0.0f, y);
        bw.loss = barrel_.Kept(VelocityHead(barrel_.SpanVelocity(y)));  // exit loss
        OutletRun(bw);
        SteepRun(bw);
        InletRun(bw);
        return barrel_.AddLoss(bw.loss, EntranceLoss());
    }

    // B3: the outlet is submerged and the barrel flows full up to where its
    // crown meets the tailwater level.
    double SubmergedOutlet(Backwater& bw) {
        const double xf = Lt_ - CrownMeetsTailwater();
        Start(m_.BackStation, m_.BackDepth, F32(xf), D_);
        bw.loss = barrel_.Kept(FullPartLoss(xf));
        if (xf < L3_) {
            bw.Append(xf, D_);
            OutletRun(bw);
            SteepRun(bw);
        } else if (xf < static_cast<double>(L3_) + L2_) {
            LowerBreakAtCrown(bw);
            bw.Append(xf, D_);
            SteepRun(bw);
        } else {
            LowerBreakAtCrown(bw);
            UpperBreakAtCrown(bw);
            bw.Append(xf, D_);
        }
        InletRun(bw);
        double loss = barrel_.AddLoss(bw.loss, EntranceLoss());
        m_.DepthUpperBreak = D_;
        const float needed = F32(m_.UpperBreakElev + loss + OutletHead(m_.UpperBreakElev));
        if (needed > F32(m_.InletElev + D_)) loss = WholeBarrelLoss();
        return loss;
    }

    // Station from the inlet at which the crown meets the tailwater level.
    double CrownMeetsTailwater() const {
        const auto back = [this](float crownBelow, double slope) {
            // A tailwater exactly at the crown starts the full part there.
            const double rise = static_cast<double>(tw_) - crownBelow;
            return rise == 0.0 ? 0.0 : Div(rise, slope);
        };
        if (F32(m_.LowerBreakElev + D_) > tw_)
            return Lt_ - back(F32(m_.OutletElev + D_), m_.OutletSectionSlope);
        if (F32(m_.UpperBreakElev + D_) > tw_)
            return static_cast<double>(L1_) + L2_ - back(F32(m_.LowerBreakElev + D_),
                                                         m_.SteepSectionSlope);
        return L1_ - back(F32(m_.UpperBreakElev + D_), m_.InletSectionSlope);
    }

    // Friction over the full length xf with the bends inside it, at the
    // velocity Q/A of the full section, plus the exit loss at the span
    // velocity Q/(B·D) at the crown (a pipe's span taken as its diameter).
    double FullPartLoss(double xf) {
        const Section full = barrel_.At(barrel_.fullDepth());
        const double kb1 = xf >= static_cast<double>(L3_) + L2_ ? kb1_ : 0.0;
        const double kb2 = xf >= L3_ ? kb2_ : 0.0;
        const double friction = FrictionCoefficient(m_.CulvertN, xf, full.radius);
        return (friction + kb1 + kb2) * VelocityHead(Div(m_.BarrelQ, full.area)) +
               VelocityHead(barrel_.SpanVelocity(D_));
    }

    void LowerBreakAtCrown(Backwater& bw) {
        bw.Append(L3_, D_);
        m_.DepthLowerBreak = D_;
        m_.LowerBreakPoint = m_.ProfileCount;
    }

    void UpperBreakAtCrown(Backwater& bw) {
        bw.Append(static_cast<double>(L3_) + L2_, D_);
        m_.DepthUpperBreak = D_;
        m_.UpperBreakPoint = m_.ProfileCount;
    }

    // Each reach rises towards its normal depth when the tailwater lies at or
    // below the normal surface at its downstream end, and falls otherwise.
    void Reach(Backwater& bw, float invert, float normal, float xEnd) {
        m_.DepthStep = tw_ <= F32(static_cast<double>(invert) + normal) ? kUp : kDown;
        bw.Run(xEnd);
    }

    void OutletRun(Backwater& bw) {
        Reach(bw, m_.OutletElev, m_.NormalDepthOutlet, L3_);
        m_.DepthLowerBreak = m_.BackDepth[m_.ProfileCount];
        m_.LowerBreakPoint = m_.ProfileCount;
    }

    void SteepRun(Backwater& bw) {
        Reach(bw, m_.LowerBreakElev, m_.NormalDepthSteep, F32(static_cast<double>(L3_) + L2_));
        m_.DepthUpperBreak = m_.BackDepth[m_.ProfileCount];
        m_.UpperBreakPoint = m_.ProfileCount;
    }

    void InletRun(Backwater& bw) { Reach(bw, m_.UpperBreakElev, m_.NormalDepthInlet, Lt_); }

    // The working points run upstream; the profile runs from the inlet down.
    // The outlet-up profile carries its break markers over to the new numbers.
    void Reverse(const PointArray& stations, const PointArray& depths, float base,
                 bool renumberMarkers) {
        const int n = m_.ProfileCount;
        const float lower = m_.LowerBreakPoint;
        const float upper = m_.UpperBreakPoint;
        for (int k = n; k >= 1; --k) {
            const int j = n - k + 1;
            m_.ProfileStation[j] = F32(static_cast<double>(base) - stations[k]);
            m_.ProfileDepth[j] = depths[k];
            if (!renumberMarkers) continue;
            if (static_cast<float>(k) == lower) m_.LowerBreakPoint = static_cast<float>(j);
            if (static_cast<float>(k) == upper) m_.UpperBreakPoint = static_cast<float>(j);
        }
        m_.ProfileIndex = m_.ProfileCount;
        m_.DepthInlet = m_.ProfileDepth[1];
    }

    Model& m_;
    Barrel barrel_;
    const float D_, dc_, L1_, L2_, L3_, Lt_;
    const double s0_;
    const float tw_;
    double kb1_ = 0, kb2_ = 0;
};

}  // namespace

bool BoxProfile(Model& model) { return ProfileComputation(model, false).Compute(); }

bool PipeProfile(Model& model) { return ProfileComputation(model, true).Compute(); }

}  // namespace kelp
