// Hydraulics of the irregular cross-section at one water-surface elevation.
#include <cmath>

#include "tailwater/irregular_channel.h"

namespace kelp {
namespace {

constexpr double kManning = 1.486;
constexpr double kConveyanceExponent = 0.3333;

struct Section {
    const Model& m;
    double ws;
    double sta(int i) const { return m.IrrSta[i]; }
    double elev(int i) const { return m.IrrElev[i]; }
};

// Where the water surface meets the ground: the edge station and the
// submerged point next to it.
struct Edge {
    double station = 0;
    int point = 0;
};

// Linear interpolation of the station at which the ground between points a
// and b crosses the water surface; level ground takes the second point.
double CrossingStation(const Section& s, int a, int b) {
    const double ea = s.elev(a), eb = s.elev(b);
    if (ea == eb) return s.sta(b);
    return s.sta(a) * Div(s.ws - eb, ea - eb) + s.sta(b) * Div(s.ws - ea, eb - ea);
}

// Searched rightwards from point 1, or from the left bank point while the
// water is no higher than the bank, so water standing on the floodplain
// behind the bank is not counted. A submerged first point is a vertical wall.
bool FindLeftEdge(const Section& s, int leftBank, Edge& edge) {
    const int start = s.ws <= s.elev(leftBank) ? leftBank : 1;
    for (int k = start; k <= s.m.IrrCount; ++k) {
        if (s.elev(k) < s.ws) {
            edge.point = k;
            edge.station = k == start ? s.sta(k) : CrossingStation(s, k - 1, k);
            return true;
        }
    }
    return false;
}

// The first point at or above the water surface right of the first submerged
// point; a section that never rises again ends in a vertical wall.
Edge FindRightEdge(const Section& s, int firstSubmerged) {
    const int n = s.m.IrrCount;
    for (int k = firstSubmerged + 1; k <= n; ++k) {
        if (s.elev(k) >= s.ws) return {CrossingStation(s, k - 1, k), k - 1};
    }
    return {s.sta(n), n};
}

// Segments between points from..to: area by the mean depth (none above the
// water), the whole segment length as wetted perimeter.
void AddStrips(const Section& s, int from, int to, SubsectionFlow& sub) {
    for (int k = from; k < to; ++k) {
        const double dx = s.sta(k + 1) - s.sta(k);
        const double dy = s.elev(k + 1) - s.elev(k);
        const double depth = s.ws - (s.elev(k) + s.elev(k + 1)) / 2.0;
        sub.area += dx * (depth < 0.0 ? 0.0 : depth);
        sub.perimeter += Sqrt(dx * dx + dy * dy);
    }
}

// The triangle between a water edge and the submerged point next to it.
void AddEdgeTriangle(const Section& s, const Edge& edge, SubsectionFlow& sub) {
    const double depth = s.ws - s.elev(edge.point);
    const double width = std::fabs(s.sta(edge.point) - edge.station);
    sub.area += 0.5 * depth * width;
    sub.perimeter += Sqrt(width * width + depth * depth);
}

// Manning's equation for one subsection. A subsection with no wetted
// perimeter (not counted, or counted but still dry) carries nothing.
void CompleteFlow(SubsectionFlow& sub, double n, double slope) {
    if (sub.perimeter <= 0.0) return;
    sub.radius = Div(sub.area, sub.perimeter);
    sub.conveyance = Div(sub.area * Pow(sub.radius * sub.radius, kConveyanceExponent), n);
    sub.discharge = sub.conveyance * kManning * Sqrt(slope);
    sub.velocity = Div(sub.discharge, sub.area + 0.0001);
}

// The main channel's Froude number; kept from the last evaluation when the
// channel has no area or top width to form it.
void UpdateFroude(IrregularRating& r) {
    const SubsectionFlow& main = r.sub[2];
    if (main.discharge <= 0.1) {
        r.mainFroude = 0;
    } else if (main.area > 0.0 && main.topWidth > 0.0) {
        const double wave = Sqrt(main.topWidth / kGravityLiteral);
        r.mainFroude = Div(main.discharge * wave, Sqrt(Pow(main.area, 3)));
    }
}

void SplitSubsections(const Section& s, const Edge& left, const Edge& right,
                      std::array<SubsectionFlow, 4>& sub) {
    const Model& m = s.m;
    const int lb = m.IrrLeftBank, rb = m.IrrRightBank;
    const bool leftCounts = HasLeftOverbank(m) && s.ws > s.elev(lb);
    const bool rightCounts = HasRightOverbank(m) && s.ws >= s.elev(rb);

    SubsectionFlow& main = sub[2];
    int from = lb, to = rb;
    double start = s.sta(lb), end = s.sta(rb);
    if (leftCounts) {
        AddEdgeTriangle(s, left, sub[1]);
        AddStrips(s, left.point, lb, sub[1]);
        sub[1].topWidth = s.sta(lb) - left.station;
    } else {
        AddEdgeTriangle(s, left, main);
        from = left.point;
        start = left.station;
    }
    // Water exactly at the right bank elevation stops the right edge at the
    // bank: the overbank counts but is still empty.
    if (rightCounts && right.point >= rb) {
        AddStrips(s, rb, right.point, sub[3]);
        AddEdgeTriangle(s, right, sub[3]);
        sub[3].topWidth = right.station - s.sta(rb);
    } else if (!rightCounts) {
        AddEdgeTriangle(s, right, main);
        to = right.point;
        end = right.station;
    }
    AddStrips(s, from, to, main);
    main.topWidth = end - start;
}

}  // namespace

double IrregularDischarge(const Model& m, IrregularRating& r, double ws) {
    r.sub = {};
    const double top = m.IrrElev[r.topIndex];
    const Section s{m, ws > top ? top : ws};
    Edge left;
    if (s.ws > m.IrrElev[r.lowestPoint] && FindLeftEdge(s, m.IrrLeftBank, left)) {
        SplitSubsections(s, left, FindRightEdge(s, left.point), r.sub);
        for (int j = 1; j <= 3; ++j) CompleteFlow(r.sub[j], m.IrrN[j], m.IrrSlope);
    }
    UpdateFroude(r);
    return r.sub[1].discharge + r.sub[2].discharge + r.sub[3].discharge;
}

}  // namespace kelp
