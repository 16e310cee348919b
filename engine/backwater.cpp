#include "engine/backwater.h"

#include <cmath>

namespace kelp {
namespace {

constexpr double kDepthIncrement = 0.01;  // the distance formula's Δy, also when capped

struct StepState {
    double froude2;   // F² = V² / (g·y)
    double friction;  // Sf = (n·V / (K·R^0.667))²
    double velocity;
    double radius;
};

}  // namespace

double VelocityHead(double v) { return v * v / kTwoG; }

double FrictionCoefficient(double n, double length, double radius) {
    return 29.0 * n * n * length / Pow(radius, 1.333);
}

Barrel::Barrel(Model& model, bool pipe)
    : m_(model),
      pipe_(pipe),
      height_(pipe_ ? model.PipeDiameter : model.BoxRise),
      fullDepth_(pipe_ ? F32(static_cast<double>(model.PipeDiameter) - 0.001) : model.BoxRise) {}

Section Barrel::AtCurrentDepth() {
    if (pipe_ && m_.CurrentDepth >= height_) m_.CurrentDepth = fullDepth_;
    return At(m_.CurrentDepth);
}

Section Barrel::At(double y) {
    if (!pipe_) return BoxSection(m_.BoxSpan, y);
    return CircleSection(m_, height_, CircleX(y, height_), kPiFull);
}

double Barrel::SpanVelocity(double y) const {
    const double width = pipe_ ? m_.PipeDiameter : m_.BoxSpan;
    return Div(m_.BarrelQ, width * y);
}

double Barrel::Kept(double loss) const { return pipe_ ? F32(loss) : loss; }

Backwater::Backwater(Model& model, Barrel& barrel, PointArray& stations, PointArray& depths,
                     double s0, bool capAtHeight)
    : m_(model),
      barrel_(barrel),
      stations_(stations),
      depths_(depths),
      s0_(s0),
      capAtHeight_(capAtHeight) {}

void Backwater::Append(double x, double depth) {
    m_.ProfileCount = Inc16(m_.ProfileCount);
    stations_[m_.ProfileCount] = F32(x);
    depths_[m_.ProfileCount] = F32(depth);
}

void Backwater::Run(float xEnd) {
    while (m_.CurrentStation < xEnd) Step(xEnd);
}

void Backwater::Step(float xEnd) {
    const auto evaluate = [this]() {
        const Section s = barrel_.AtCurrentDepth();
        const double y = m_.CurrentDepth;
        const double v = Div(m_.BarrelQ, s.area);
        const double sfRoot = Div(m_.CulvertN * v, m_.ManningConst * Pow(s.radius, 0.667));
        return StepState{Div(v * v, kGravityLiteral * y), sfRoot * sfRoot, v, s.radius};
    };
    const StepState start = evaluate();
    // The 32-bit step is added in double and the sum rounded once.
    float y = F32(static_cast<double>(m_.CurrentDepth) + m_.DepthStep);
    if (capAtHeight_ && y > barrel_.height()) y = barrel_.height();
    m_.CurrentDepth = y;
    const StepState end = evaluate();

    const double froude2 = (start.froude2 + end.froude2) / 2.0;
    const double friction = (start.friction + end.friction) / 2.0;
    double dx = std::fabs(Div((1.0 - froude2) * kDepthIncrement, s0_ - friction));

    m_.PrevStation = m_.CurrentStation;
    m_.CurrentStation = F32(m_.CurrentStation + dx);
    if (m_.CurrentStation > xEnd) {
        m_.CurrentStation = xEnd;
        dx = xEnd - m_.PrevStation;
    }
    Append(m_.CurrentStation, m_.CurrentDepth);

    // Friction over the step with the velocity and radius at its start depth.
    loss = barrel_.AddLoss(loss, start.velocity * start.velocity *
                                     FrictionCoefficient(m_.CulvertN, dx, start.radius) / kTwoG);
}

}  // namespace kelp
