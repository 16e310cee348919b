#include "tailwater/regular_channel.h"

#include <cmath>

#include "model/codes.h"
#include "sections/section.h"

namespace kelp {
namespace {

// Manning's factor in English units and the decimal exponents the channel
// relations have always used (1.667, -0.667, 0.667 rather than 5/3, 2/3).
constexpr double kStep = 0.01;       // ft
constexpr double kTolerance = 0.01;  // cfs
constexpr int kStepBudget = 1500;
constexpr float kOpenStartDepth = 15.0f;

struct Flow {
    double area = 0;
    double discharge = 0;
};

double OpenDischarge(const Model& m, double area, double perimeter) {
    return Div(kManningLiteral, m.TWN) * Pow(area, 1.667) * Pow(perimeter, -0.667) * Pow(m.TWSlope, 0.5);
}

Flow Rectangle(const Model& m, double y) {
    const double b = m.TWBottomWidth;
    const double area = b * y;
    return {area, OpenDischarge(m, area, b + 2.0 * y)};
}

Flow Trapezoid(const Model& m, double y) {
    const double b = m.TWBottomWidth, zl = m.TWLeftSlope, zr = m.TWRightSlope;
    const double area = (b + zr * y / 2.0 + zl * y / 2.0) * y;
    const double perimeter = b + y * Sqrt(1.0 + zr * zr) + y * Sqrt(1.0 + zl * zl);
    return {area, OpenDischarge(m, area, perimeter)};
}

Flow Triangle(const Model& m, double y) {
    const double zl = m.TWLeftSlope, zr = m.TWRightSlope;
    const double area = zr * y * y / 2.0 + zl * y * y / 2.0;
    const double perimeter = y * Sqrt(1.0 + zl * zl) + y * Sqrt(1.0 + zr * zr);
    return {area, OpenDischarge(m, area, perimeter)};
}

// Unlike the barrel's, the channel's x = 2y/D − 1 stays in double.
Flow Circle(const Model& m, double y) {
    const double d = m.TWDiameter;
    const Section s = CircleAtAngle(CircleHalfAngle(Div(2.0 * y, d) - 1.0), d, kPiDecimal);
    return {s.area,
            Div(kManningLiteral, m.TWN) * s.area * Pow(s.radius, 0.667) * Pow(m.TWSlope, 0.5)};
}

struct Shape {
    bool (*is)(double code);
    Flow (*flow)(const Model&, double);
    bool circle;
};

constexpr Shape kShapes[] = {
    {IsRectangularChannel, Rectangle, false},
    {IsTrapezoidalChannel, Trapezoid, false},
    {IsTriangularChannel, Triangle, false},
    {IsCircularChannel, Circle, true},
};

// Any code the list does not know is treated as a triangle.
const Shape& ShapeOf(float code) {
    for (const Shape& s : kShapes) {
        if (s.is(code)) return s;
    }
    return kShapes[2];
}

struct SearchEnd {
    float depth = 0;
    bool exhausted = false;  // the step budget ran out
    bool crossed = false;    // the steps changed direction at least once
    bool limited = false;    // the last step was held just below the diameter
};

// Fixed steps of 0.01 ft from the start depth until the discharge is within
// 0.01 cfs or the budget of 1500 steps is spent. A circle above its capacity
// climbs to the crown and is held at D - 0.001 until the budget ends.
SearchEnd SearchDepth(const Model& m, const Shape& shape) {
    const double q = m.AnalysisQ;
    const float diameter = m.TWDiameter;
    SearchEnd end;
    float y = shape.circle ? F32((diameter - 0.0001) / 2.0) : kOpenStartDepth;
    Flow flow = shape.flow(m, y);
    double residual = std::fabs(q - flow.discharge);
    bool firstUp = false;
    for (int k = 0; residual > kTolerance;) {
        const bool up = F32(flow.discharge) < m.AnalysisQ;
        if (k == 0) firstUp = up;
        if (up != firstUp) end.crossed = true;
        y = F32(up ? y + kStep : y - kStep);
        end.limited = shape.circle && y > diameter;
        if (end.limited) y = F32(diameter - 0.001);
        flow = shape.flow(m, y);
        residual = std::fabs(q - flow.discharge);
        if (++k > kStepBudget) {
            residual = 0;
            end.exhausted = true;
        }
    }
    end.depth = y;
    return end;
}

}  // namespace

void RegularChannelTailwater(Model& m) {
    const Shape& shape = ShapeOf(m.TWShape);
    const SearchEnd end = SearchDepth(m, shape);
    const Flow flow = shape.flow(m, end.depth);
    m.TWVelocity = F32(Div(m.AnalysisQ, flow.area));
    m.TWElev = F32(static_cast<double>(end.depth) + m.OutletElev);
    m.TWDepth = end.depth;
    if (end.limited && end.exhausted) {
        m.Warnings.emplace_back(kTailwaterCapacityWarning);
    } else if (end.exhausted && !end.crossed) {
        m.Warnings.emplace_back(kTailwaterSearchWarning);
    }
}

}  // namespace kelp
