#include "ui/plots/rating_curve.h"

#include <algorithm>

#include <QPolygonF>

#include "ui/plots/plot_frame.h"

namespace kelp {

namespace {

// Room above and below the values, as a share of their range.
constexpr double kValueRoom = 0.05;

// Discharges, depths and velocities are read from zero when the values reach
// at least halfway down to it; a narrow band far from zero keeps its own range.
double Anchored(double lo, double hi) { return lo > 0 && lo <= hi / 2 ? 0 : lo; }

Axis ValueAxis(const std::vector<QPointF>& pts, bool across, double length, double spacing) {
    auto coord = [across](const QPointF& p) { return across ? p.x() : p.y(); };
    double lo = 0, hi = 1;
    if (!pts.empty()) {
        auto [a, b] = std::minmax_element(
            pts.begin(), pts.end(),
            [&](const QPointF& p, const QPointF& q) { return coord(p) < coord(q); });
        hi = coord(*b);
        lo = Anchored(coord(*a), hi);
        double room = (hi - lo) * kValueRoom;
        lo = lo == 0 ? 0 : lo - room;
        hi += room;
    }
    return NiceAxis(lo, hi, std::max(2, static_cast<int>(length / spacing)));
}

void DrawHeader(QPainter& p, const RatingCurveLayout& l, const RatingCurveData& d) {
    DrawTitle(p, l.title, d.title, l.style);
    p.setFont(l.style.Text());
    QRectF half(l.header.left(), l.header.top(), l.header.width() / 2 - l.style.font,
                l.header.height());
    DrawTextLines(p, half, d.project, l.style);
    p.setPen(QColor::fromRgba(kDesignColour));
    p.setFont(l.style.Text(true));
    DrawTextLines(p, half.translated(l.header.width() / 2 + l.style.font, 0), d.design, l.style,
                  Qt::AlignRight);
}

void DrawCurve(QPainter& p, const RatingCurveLayout& l, const RatingCurveData& d) {
    QPolygonF line;
    for (const QPointF& pt : d.points) line << l.transform.Map(pt);
    p.setPen(l.style.Pen(kCurveColour, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(line);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgba(kCurveColour));
    double r = l.style.font * 0.35;
    for (const QPointF& pt : line) p.drawEllipse(pt, r, r);
}

// Dashed leaders from both axes to the design point, and a diamond on it.
void DrawDesign(QPainter& p, const RatingCurveLayout& l, const RatingCurveData& d) {
    if (!d.designPoint) return;
    const Transform& t = l.transform;
    QPointF at = t.Map(*d.designPoint);
    p.setPen(l.style.Pen(kDesignColour, 1.2, Qt::DashLine));
    p.drawLine(QPointF(l.plot.left(), at.y()), at);
    p.drawLine(QPointF(at.x(), l.plot.bottom()), at);
    double r = l.style.font * 0.55;
    QPolygonF diamond;
    diamond << at + QPointF(0, -r) << at + QPointF(r, 0) << at + QPointF(0, r)
            << at + QPointF(-r, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgba(kDesignColour));
    p.drawPolygon(diamond);
}

}  // namespace

RatingCurveLayout LayoutRatingCurve(const QRectF& area, const RatingCurveData& d) {
    PlotStyle s = StyleFor(area);
    double lh = s.LineHeight();
    QRectF title = TitleBox(area, s);
    QRectF header(area.left() + lh, title.bottom(), area.width() - 2 * lh, lh * 3);
    double left = area.left() + LeftMargin(s) + lh * 0.5;
    double top = header.bottom() + lh;
    QRectF plot(left, top, std::max(1.0, area.right() - lh * 1.5 - left),
                std::max(1.0, area.bottom() - BottomMargin(s) - lh * 0.5 - top));
    Axis x = ValueAxis(d.points, true, plot.width(), s.font * 5);
    Axis y = ValueAxis(d.points, false, plot.height(), lh * 1.8);
    return {s, title, header, plot, Transform(x, y, plot)};
}

void DrawRatingCurve(QPainter& p, const QRectF& area, const Model& model, const RatingTable& table,
                     int kind, bool metric) {
    RatingCurveData d = BuildRatingCurve(model, table, kind, metric);
    RatingCurveLayout l = LayoutRatingCurve(area, d);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, Qt::white);
    DrawHeader(p, l, d);
    DrawAxes(p, l.transform, l.style, d.xTitle, d.yTitle);
    p.save();
    p.setClipRect(l.plot.adjusted(-l.style.font, -l.style.font, l.style.font, l.style.font),
                  Qt::IntersectClip);
    DrawCurve(p, l, d);
    DrawDesign(p, l, d);
    p.restore();
    p.restore();
}

}  // namespace kelp
