#include "engine/profile_step.h"

#include <algorithm>
#include <cmath>

#include "model/codes.h"
#include "sections/section.h"

namespace kelp {
namespace {

// Once a section ends at a jump or runs full, the station jumps past every
// section end so that no later walk of this analysis takes a step.
constexpr float kPastEnd = 10000.0f;

// F² = 2.89 is a Froude number of 1.7: below it a jump at a mild target depth
// is weak and forms wherever it fits inside the barrel.
constexpr double kWeakJumpFroude2 = 2.89;

struct FlowState {
    double froude2;
    double friction;
};

class Walk {
public:
    Walk(Model& m, const SectionWalk& w)
        : m_(m),
          w_(w),
          pipe_(IsPipe(m.CulvertShape)),
          height_(pipe_ ? m.PipeDiameter : m.BoxRise),
          belowCrown_(F32(static_cast<double>(height_) - 0.001)),
          step_(pipe_ ? 0.005 : 0.01) {}

    void Run() {
        if (m_.CurrentDepth == height_ && w_.upStation != m_.InletSta) {
            // The barrel runs full at the start of a section below the inlet.
            Append(m_.CurrentDepth, m_.CurrentStation);
            m_.PrevStation = m_.CurrentStation;
            m_.CurrentStation = kPastEnd;
            return;
        }
        if (m_.JumpFlag == "YES" && m_.JumpState != 3) {
            m_.JumpState = 2;  // the jump was recorded in an earlier section
        } else {
            while (m_.CurrentStation < w_.xEnd) {
                if (!Advance()) break;
            }
        }
        EndOfSection();
    }

private:
    // One point of the walk; false when the walk leaves the section.
    bool Advance() {
        if (pipe_ && m_.CurrentDepth >= height_) m_.CurrentDepth = belowCrown_;
        const float y = m_.CurrentDepth;
        const FlowState here = At(y);
        if (m_.JumpFlag == "YES") {
            if (m_.JumpState != 3) return false;
        } else if (here.froude2 >= 1.0 && JumpForms(y, here.froude2)) {
            return true;
        }
        StepTo(y, here);
        return true;
    }

    void StepTo(float y, const FlowState& here) {
        float y2 = F32(static_cast<double>(y) + w_.depthStep);
        if ((w_.depthStep < 0.0f && y2 < w_.target) || (w_.depthStep > 0.0f && y2 > w_.target))
            y2 = w_.target;
        if (y2 > height_) y2 = height_;
        const FlowState next = At(y2);
        const double froude2 = (here.froude2 + next.froude2) / 2.0;
        const double friction = (here.friction + next.friction) / 2.0;
        const double dx = std::fabs(Div(step_ * (1.0 - froude2), w_.slope - friction));
        m_.CurrentStation = F32(m_.CurrentStation + dx);
        m_.CurrentDepth = y2;
        Append(y2, m_.CurrentStation);
    }

    // Froude number and friction slope at depth y; a pipe at or above its
    // crown is evaluated just below it.
    FlowState At(double y) {
        if (pipe_ && y >= height_) y = belowCrown_;
        const Section s = pipe_ ? CircleSection(m_, height_, CircleX(y, height_), kPiDecimal)
                                : BoxSection(m_.BoxSpan, y);
        const double v = Div(m_.BarrelQ, s.area);
        const double f = Div(v, Sqrt(m_.Gravity * y));
        const double sfRoot = Div(w_.n * v, m_.ManningConst * Pow(s.radius, 0.667));
        return {f * f, sfRoot * sfRoot};
    }

    // Stations entered by the user, measured from the inlet like the walk.
    float FromInlet(float station) const {
        return F32(static_cast<double>(station) - m_.InletSta);
    }

    // Jump test at a supercritical depth y. True when the jump forms.
    bool JumpForms(float y, double froude2) {
        const double froude = std::sqrt(froude2);
        const double sequent = (y / 2.0) * (Sqrt(1.0 + 8.0 * froude2) - 1.0);
        const double length = 220.0 * y * std::tanh((froude - 1.0) / 22.0);
        const float jumpEnd = F32(m_.CurrentStation + length);
        const bool fits = jumpEnd <= FromInlet(m_.OutletSta);

        if (w_.target >= m_.CriticalDepth && froude2 < kWeakJumpFroude2) {
            if (!fits) {
                m_.JumpFlag = "NO";
                return false;
            }
            Record(length);
            m_.JumpState = 3;
            Finish(Limited(sequent), length);
            return true;
        }
        // A strong jump forms only where the tailwater stands above the
        // sequent depth carried level to the section end.
        const double surface = w_.invert + w_.slope * (w_.xEnd - m_.CurrentStation) + sequent;
        if (F32(surface) >= m_.TWElev) return false;
        if (!fits) {
            m_.JumpFlag = "NO";
            return false;
        }
        Record(length);
        if (pipe_) m_.JumpState = 2;
        Finish(Limited(TailwaterDepthAt(jumpEnd, sequent)), length);
        return true;
    }

    void Record(double length) {
        m_.JumpFlag = "YES";
        m_.JumpStation = m_.CurrentStation;
        m_.JumpLength = F32(length);
    }

    // Depth below the tailwater surface at the jump's end.
    double TailwaterDepthAt(float jumpEnd, double sequent) const {
        double depth = sequent;
        if (jumpEnd > FromInlet(m_.UpperBreakSta))
            depth = (jumpEnd - FromInlet(m_.LowerBreakSta)) * static_cast<double>(m_.SteepSectionSlope) +
                    (static_cast<double>(m_.TWElev) - m_.LowerBreakElev);
        if (jumpEnd > FromInlet(m_.LowerBreakSta))
            depth = (jumpEnd - FromInlet(m_.OutletSta)) * static_cast<double>(m_.OutletSectionSlope) +
                    (static_cast<double>(m_.TWElev) - m_.OutletElev);
        return depth;
    }

    // The depth after a jump stays inside the barrel (just below a pipe's crown).
    float Limited(double depth) const {
        if (depth >= height_) return pipe_ ? belowCrown_ : height_;
        return F32(depth);
    }

    void Finish(float depth, double length) {
        const double end = m_.CurrentStation + length;
        Append(depth, end);
        m_.CurrentDepth = depth;
        m_.PrevStation = end;
        m_.CurrentStation = kPastEnd;
    }

    // After a jump the water surface is carried to the section end: level
    // from the jump's end, or at the tailwater when the jump lay upstream.
    void EndOfSection() {
        if (m_.JumpFlag != "YES") return;
        const double depth =
            m_.JumpState != 2
                ? m_.CurrentDepth + static_cast<double>(w_.slope) * (w_.xEnd - m_.PrevStation)
                : static_cast<double>(m_.TWElev) - w_.invert;
        Append(std::min(depth, static_cast<double>(height_)), w_.xEnd);
    }

    void Append(double depth, double station) {
        m_.ProfileIndex = Inc16(m_.ProfileIndex);
        m_.ProfileDepth[m_.ProfileIndex] = F32(depth);
        m_.ProfileStation[m_.ProfileIndex] = F32(station);
    }

    Model& m_;
    const SectionWalk& w_;
    const bool pipe_;
    const float height_;
    const float belowCrown_;
    const double step_;
};

}  // namespace

float WalkStep(const Model& model) { return IsPipe(model.CulvertShape) ? 0.005f : 0.01f; }

void ProfileStep(Model& model, const SectionWalk& walk) { Walk(model, walk).Run(); }

}  // namespace kelp
