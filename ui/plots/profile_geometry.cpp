#include "ui/plots/profile_geometry.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "model/codes.h"

namespace kelp {

namespace {

// The tailwater is drawn when it lies no more than this many barrel heights
// below the lowest invert; a constant tailwater far below would squash the
// barrel into a sliver.
constexpr double kTailwaterReach = 1.0;

class Builder {
public:
    Builder(const Model& m, bool metric) : m_(m) {
        g_.units = UnitsFor(metric ? 2 : 1);
        g_.barrelHeight = std::max(0.0, Len(BarrelHeightFeet(m)));
        pts_ = {{{Len(m.InletSta), Len(m.InletElev)},
                 {Len(m.UpperBreakSta), Len(m.UpperBreakElev)},
                 {Len(m.LowerBreakSta), Len(m.LowerBreakElev)},
                 {Len(m.OutletSta), Len(m.OutletElev)}}};
        g_.inletSta = pts_[0].x();
        g_.lowerBreakSta = pts_[2].x();
        g_.outletSta = pts_[3].x();
        if (m.UpperBreakSta > m.InletSta) g_.upperBreakSta = pts_[1].x();
    }

    ProfileGeometry Build() {
        Barrel();
        Water();
        Levels();
        return g_;
    }

private:
    double Len(double feet) const { return g_.units.metric ? feet / kLengthFactor : feet; }

    // A profile point as drawn: its distance from the inlet kept within the
    // barrel, its depth within the barrel, so a full barrel reads at the crown.
    QPointF Surface(long i) const {
        double length = std::max(0.0, g_.outletSta - g_.inletSta);
        double sta = g_.inletSta + std::clamp(Len(m_.ProfileStation[i]), 0.0, length);
        double depth = std::clamp(Len(m_.ProfileDepth[i]), 0.0, g_.barrelHeight);
        return {sta, PolylineY(g_.invert, sta) + depth};
    }

    std::optional<QPointF> Mark(float point) const {
        long i = static_cast<long>(point);
        if (i < 1 || i > m_.ProfileIndex) return std::nullopt;
        return Surface(i);
    }

    void Barrel() {
        for (std::size_t i = 0; i < pts_.size(); ++i) {
            if (i == 1 && !g_.upperBreakSta) continue;
            g_.invert.push_back(pts_[i]);
            g_.crown.push_back(pts_[i] + QPointF(0, g_.barrelHeight));
        }
    }

    void Water() {
        for (long i = 1; i <= m_.ProfileIndex; ++i) g_.surface.push_back(Surface(i));
        // A jump ending beyond its section's end is followed by a point at that
        // end: the surface is drawn in station order.
        std::stable_sort(g_.surface.begin(), g_.surface.end(),
                         [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
        for (const QPointF& s : g_.surface) g_.bed.push_back({s.x(), PolylineY(g_.invert, s.x())});
        if (g_.upperBreakSta) g_.upperBreakMark = Mark(m_.UpperBreakPoint);
        g_.lowerBreakMark = Mark(m_.LowerBreakPoint);
        if (std::string_view(m_.JumpFlag) == "YES") {
            double start = g_.inletSta + Len(m_.JumpStation);
            g_.jump = StationSpan{start, std::min(start + Len(m_.JumpLength), g_.outletSta)};
        }
    }

    void Levels() {
        auto [low, high] = std::minmax({pts_[0].y(), pts_[1].y(), pts_[2].y(), pts_[3].y()});
        g_.lowest = low;
        g_.highest = high + g_.barrelHeight;
        double hw = Len(m_.HWElev);
        if (hw > pts_[0].y()) g_.headwater = hw;
        double tw = Len(m_.TWElev);
        if (tw >= low - kTailwaterReach * g_.barrelHeight) g_.tailwater = tw;
        for (const auto& level : {g_.headwater, g_.tailwater}) {
            if (!level) continue;
            g_.lowest = std::min(g_.lowest, *level);
            g_.highest = std::max(g_.highest, *level);
        }
    }

    const Model& m_;
    ProfileGeometry g_;
    std::array<QPointF, 4> pts_;
};

}  // namespace

double PolylineY(const std::vector<QPointF>& line, double x) {
    if (line.empty()) return 0;
    if (x <= line.front().x()) return line.front().y();
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        const QPointF& a = line[i];
        const QPointF& b = line[i + 1];
        if (x <= b.x() && b.x() > a.x())
            return a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x());
    }
    return line.back().y();
}

std::vector<QPointF> Slice(const std::vector<QPointF>& line, double from, double to) {
    std::vector<QPointF> part{{from, PolylineY(line, from)}};
    for (const QPointF& p : line)
        if (p.x() > from && p.x() < to) part.push_back(p);
    part.push_back({to, PolylineY(line, to)});
    return part;
}

double BarrelHeightFeet(const Model& m) {
    return IsPipe(m.CulvertShape) ? m.PipeDiameter : m.BoxRise;
}

ProfileGeometry BuildProfileGeometry(const Model& model, bool metric) {
    return Builder(model, metric).Build();
}

}  // namespace kelp
