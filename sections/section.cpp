#include "sections/section.h"

#include <cmath>
#include <string>

#include "model/codes.h"

namespace kelp {
namespace {

// Manning's equation in English units, with the decimal exponents the
// relations have always used (1.667, −0.667, 0.667 rather than 5/3 and 2/3).
constexpr double kTolerance = 0.01;  // cfs
// The step is added to the 32-bit depth in double and the sum rounded, so a
// long search does not gather the rounding of a float step at every move.
constexpr double kStep = 0.01;  // ft

double BoxDischarge(double span, double y, double n, double slope) {
    const double area = span * y;
    const double perimeter = 2.0 * y + span;
    return Div(kManningLiteral, n) * Pow(area, 1.667) * Pow(perimeter, -0.667) * Sqrt(slope);
}

double CircleDischarge(const Section& s, double n, double slope) {
    return Div(kManningLiteral, n) * s.area * Pow(s.radius, 0.667) * Sqrt(slope);
}

// How a fixed-step search ended, for the warnings: a search that used its
// whole budget without ever crossing the discharge did not find the depth.
struct Search {
    float depth = 0;
    bool exhausted = false;
    bool crossed = false;
    bool limited = false;  // held at the barrel height
};

void Track(Search& s, bool below, int& lastSide) {
    const int side = below ? -1 : 1;
    if (lastSide != 0 && side != lastSide) s.crossed = true;
    lastSide = side;
}

// Fixed 0.01 ft steps from the start depth towards the discharge, ending
// within 0.01 cfs or when the step count passes the cap. `discharge(y, k, s)`
// gives Q at the depth y and may adjust y, the count k and the record s.
template <class Discharge>
Search StepSearch(const Model& m, float start, int cap, float height, Discharge discharge) {
    Search s;
    const double qb = m.BarrelQ;
    float y = start;
    int k = 1;
    int lastSide = 0;
    double q = discharge(y, k, s);
    double d = std::fabs(qb - q);
    while (d > kTolerance) {
        const bool below = F32(q) < m.BarrelQ;
        Track(s, below, lastSide);
        y = F32(below ? static_cast<double>(y) + kStep : static_cast<double>(y) - kStep);
        q = discharge(y, k, s);
        d = std::fabs(qb - q);
        if (++k > cap) {
            d = 0;
            s.exhausted = true;
        }
    }
    if (y > height) {
        y = height;
        s.limited = true;
    }
    s.depth = y;
    return s;
}

Search BoxNormalDepth(const Model& m, double slope, double n, int cap) {
    return StepSearch(m, F32(m.BoxRise / 2.0), cap, m.BoxRise,
                      [&m, slope, n](float& y, int&, Search&) {
                          return BoxDischarge(m.BoxSpan, y, n, slope);
                      });
}

Search CircleNormalDepth(Model& m, double slope, double n) {
    constexpr int kCap = 350;
    const float diameter = m.PipeDiameter;
    Section sec;
    return StepSearch(m, F32(diameter / 2.0), kCap, diameter,
                      [&m, &sec, diameter, slope, n](float& y, int& k, Search& s) {
                          if (y <= diameter) {
                              float x = CircleX(y, diameter);
                              if (x >= 1.0f) {
                                  x = 0.9999f;
                                  k = kCap;
                              }
                              sec = CircleSection(m, diameter, x, kPiDecimal);
                          } else {
                              // Above the crown the previous geometry stays in force.
                              y = diameter;
                              s.limited = true;
                          }
                          return CircleDischarge(sec, n, slope);
                      });
}

void Warn(Model& m, const Search& s, const char* section) {
    const std::string where = std::string("the ") + section + " section";
    if (s.limited) {
        m.Warnings.push_back("The discharge exceeds the capacity of the barrel in " + where +
                             "; its normal depth is limited to the barrel height.");
    } else if (s.exhausted && !s.crossed) {
        m.Warnings.push_back("Normal depth search in " + where +
                             " stopped before reaching the discharge; the normal depth may be "
                             "inaccurate.");
    }
}

// Normal depth of one section, or the barrel height where the slope gives no
// search; finally limited to the barrel height.
float NormalDepth(Model& m, double slope, double n, int boxCap, bool searched,
                  const char* section) {
    const float height = IsPipe(m.CulvertShape) ? m.PipeDiameter : m.BoxRise;
    if (!searched) return height;
    const Search s = IsPipe(m.CulvertShape) ? CircleNormalDepth(m, slope, n)
                                            : BoxNormalDepth(m, slope, n, boxCap);
    Warn(m, s, section);
    return s.depth > height ? height : s.depth;
}

}  // namespace

Section BoxSection(double span, double y) {
    Section s;
    s.area = span * y;
    s.radius = Div(s.area, 2.0 * y + span);
    return s;
}

float CircleX(double y, double diameter) { return F32(Div(2.0 * y, diameter) - 1.0); }

float CircleHalfAngle(double x) { return F32(std::atan(Div(x, Sqrt(1.0 - x * x)))); }

Section CircleAtAngle(float halfAngle, double diameter, double pi) {
    const double theta = 2.0 * halfAngle + pi;
    Section s;
    s.area = (theta - std::sin(theta)) * 0.125 * diameter * diameter;
    s.radius = (1.0 - Div(std::sin(theta), theta)) * 0.25 * diameter;
    return s;
}

Section CircleSection(Model& model, double diameter, float x, double pi) {
    model.HalfAngle = CircleHalfAngle(x);
    return CircleAtAngle(model.HalfAngle, diameter, pi);
}

void ComputeCriticalDepth(Model& m) {
    const double qb = m.BarrelQ;
    float height;
    double yc;
    if (IsPipe(m.CulvertShape)) {
        height = m.PipeDiameter;
        yc = Sqrt(Div(qb, Sqrt(kGravityLiteral * m.PipeDiameter)));
    } else {
        height = m.BoxRise;
        const double unit = Div(qb, m.BoxSpan);
        yc = Pow(unit * unit / kGravityLiteral, 0.3333);
    }
    m.CriticalDepth = F32(yc);
    if (m.CriticalDepth > height) {
        m.CriticalDepth = height;
        m.Warnings.push_back(
            "The discharge exceeds the barrel's capacity at critical flow; the critical depth "
            "is limited to the barrel height.");
    }
}

void ComputeNormalDepths(Model& m) {
    m.NormalDepthInlet = NormalDepth(m, m.InletSectionSlope, m.CulvertN, 500,
                                     m.InletSectionSlope != 0.0f, "inlet");
    m.NormalDepthSteep = NormalDepth(m, m.SteepSectionSlope, m.CulvertN, 600, true, "steep");
    m.NormalDepthOutlet = NormalDepth(m, m.OutletSectionSlope, m.OutletN, 600,
                                      m.OutletSectionSlope > 0.0f, "outlet");
}

}  // namespace kelp
