#include "engine/inlet_control.h"

#include "model/codes.h"
#include "sections/section.h"

namespace kelp {
namespace {

// The shape's quantities of the inlet-control equation.
struct InletShape {
    double rise;         // D
    double width;        // weir width W, also the divisor of the discharge parameter
    double fullArea;     // orifice area
    double lowFlowStep;  // discharge step of the weir calibration
};

constexpr double kHighFlowStep = -0.2;

InletShape ShapeOf(const Model& m) {
    if (IsPipe(m.CulvertShape)) {
        const double d = m.PipeDiameter;
        return {d, d, kPiDecimal * d * d / 4.0, 0.2};
    }
    return {m.BoxRise, m.BoxSpan, static_cast<double>(m.BoxRise) * m.BoxSpan, 0.02};
}

// HW(q) = D·(a + bX + cX² + dX³ + eX⁴ + fX⁵ − cs·S0), X = q / (D^1.5·W), the
// polynomial of the inlet type fitted to the dimensionless discharge.
double Polynomial(const Model& m, const InletShape& s, double s0, double q) {
    const double x = Div(q, Sqrt(s.rise * s.rise * s.rise) * s.width);
    const double nested =
        ((((m.InletCoefF * x + m.InletCoefE) * x + m.InletCoefD) * x + m.InletCoefC) * x +
         m.InletCoefB) * x + m.InletCoefA;
    return s.rise * (nested - m.InletSlopeCoef * s0);
}

// Steps q from the barrel discharge until `reached` holds at HW(q); the
// discharge found calibrates the weir or orifice law at the range limit.
template <class Reached>
double CalibrationDischarge(const Model& m, const InletShape& s, double s0, double step,
                            Reached reached) {
    double q = m.BarrelQ;
    for (long k = 0; k < kInletSearchCap; ++k) {
        q += step;
        if (reached(Polynomial(m, s, s0, q))) return q;
    }
    throw RuntimeFault("Inlet-control headwater search did not reach its bound in " +
                       std::to_string(kInletSearchCap) + " steps");
}

}  // namespace

void ComputeInletControl(Model& m, double s0) {
    const InletShape s = ShapeOf(m);
    const double q = m.BarrelQ;
    const double low = 0.5 * s.rise;
    const double high = 3.0 * s.rise;
    double hw = Polynomial(m, s, s0, q);
    if (hw < low) {
        // Below half the rise the inlet acts as a weir: HW = (Q / (W·Cw))^0.667.
        const double qc = CalibrationDischarge(m, s, s0, s.lowFlowStep,
                                               [low](double h) { return h >= low; });
        const double cw = Div(qc, Pow(low, 1.5) * s.width);
        hw = Pow(Div(q, s.width * cw), 0.667);
    }
    if (hw > high) {
        // Above three rises the inlet acts as an orifice: HW = (Q / (A·Co))².
        const double qc = CalibrationDischarge(m, s, s0, kHighFlowStep,
                                               [high](double h) { return h <= high; });
        const double co = Div(qc, Pow(high, 0.5) * s.fullArea);
        const double ratio = Div(q, s.fullArea * co);
        hw = ratio * ratio;
    }
    if (F32(hw) < m.CriticalDepth) hw = m.CriticalDepth;
    m.InletControlElev = F32(m.InletElev + hw);
}

}  // namespace kelp
