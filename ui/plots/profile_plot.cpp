#include "ui/plots/profile_plot.h"

#include <algorithm>

#include <QFontMetricsF>
#include <QPolygonF>

#include "ui/plots/plot_frame.h"

namespace kelp {

namespace {

// Room left and right of the barrel, as a share of its length, for the
// headwater and tailwater levels.
constexpr double kEndRoom = 0.08;
// Room above and below the highest and lowest levels, as a share of their range.
constexpr double kLevelRoom = 0.12;

constexpr const char* kJumpLabel = "Hydraulic Jump";

double PlotWidthFor(const QRectF& area, const PlotStyle& s) {
    return std::max(1.0, area.width() - LeftMargin(s) - s.LineHeight() * 1.5);
}

Axis StationAxis(const ProfileGeometry& g, double plotWidth, const PlotStyle& s) {
    double length = std::max(g.outletSta - g.inletSta, 1e-3);
    double lo = g.inletSta - kEndRoom * length;
    double hi = g.outletSta + kEndRoom * length;
    return {lo, hi, NiceStep(hi - lo, std::max(2, static_cast<int>(plotWidth / (s.font * 6))))};
}

std::vector<Span> LabelSpans(const std::vector<StationLabel>& labels, const Axis& x, double left,
                             double width, const PlotStyle& s) {
    QFontMetricsF fm(s.Text());
    std::vector<Span> spans;
    for (const StationLabel& l : labels) {
        double w = fm.horizontalAdvance(Text(l.text));
        double centre = left + (l.sta - x.lo) * width / (x.hi - x.lo);
        double start = std::clamp(centre - w / 2, left, std::max(left, left + width - w));
        spans.push_back({start, start + w});
    }
    return spans;
}

// The elevation axis for a plot of the given height at `scaleX` device units
// per unit across: the round exaggeration that lets the levels fill the height.
Axis ElevationAxis(const ProfileGeometry& g, double height, double scaleX, const PlotStyle& s,
                   double& exaggeration) {
    double range =
        std::max(g.highest - g.lowest, std::max(g.barrelHeight, 1e-3)) * (1 + 2 * kLevelRoom);
    exaggeration = NiceAtMost(height / range / scaleX);
    double span = height / (scaleX * exaggeration);
    double lo = (g.highest + g.lowest) / 2 - span / 2;
    return {lo, lo + span,
            NiceStep(span, std::max(2, static_cast<int>(height / (s.LineHeight() * 2))))};
}

const std::vector<std::string>& Header(const ProfileTexts& t, int column) {
    return column == 0 ? t.project : column == 1 ? t.culvert : t.results;
}

}  // namespace

std::vector<StationLabel> StationLabels(const ProfileGeometry& g) {
    std::vector<StationLabel> labels{{g.inletSta, "Inlet"}};
    if (g.upperBreakSta) labels.push_back({*g.upperBreakSta, "Upper Break"});
    labels.push_back({g.lowerBreakSta, "Lower Break"});
    labels.push_back({g.outletSta, "Outlet"});
    if (g.jump) labels.push_back({(g.jump->start + g.jump->end) / 2, kJumpLabel});
    return labels;
}

ProfileLayout LayoutProfile(const QRectF& area, const ProfileGeometry& g, const ProfileTexts& t) {
    PlotStyle s = StyleFor(area);
    double lh = s.LineHeight();
    QRectF title = TitleBox(area, s);
    std::size_t lines = std::max({t.project.size(), t.culvert.size(), t.results.size()});
    QRectF header(area.left() + lh, title.bottom(), area.width() - 2 * lh,
                  lh * static_cast<double>(lines));

    double left = area.left() + LeftMargin(s) + lh * 0.5;
    double width = PlotWidthFor(area, s);
    Axis x = StationAxis(g, width, s);
    std::vector<int> rows =
        LabelRows(LabelSpans(StationLabels(g), x, left, width, s), s.font * 0.6);
    int bands = rows.empty() ? 0 : *std::max_element(rows.begin(), rows.end()) + 1;

    double top = header.bottom() + lh * (0.6 + bands);
    double bottom = area.bottom() - BottomMargin(s) - lh * 1.2;
    QRectF plot(left, top, width, std::max(1.0, bottom - top));
    double exaggeration = 1;
    Axis y = ElevationAxis(g, plot.height(), plot.width() / (x.hi - x.lo), s, exaggeration);
    return {s, title, header, plot, rows, Transform(x, y, plot), exaggeration};
}

namespace {

QPolygonF Device(const Transform& t, const std::vector<QPointF>& pts) {
    QPolygonF poly;
    for (const QPointF& p : pts) poly << t.Map(p);
    return poly;
}

// The region between an upper and a lower line, both in station order.
QPolygonF Band(const Transform& t, const std::vector<QPointF>& upper,
               const std::vector<QPointF>& lower) {
    QPolygonF poly = Device(t, upper);
    for (auto it = lower.rbegin(); it != lower.rend(); ++it) poly << t.Map(*it);
    return poly;
}

void DrawHeader(QPainter& p, const ProfileLayout& l, const ProfileTexts& t) {
    DrawTitle(p, l.title, t.title, l.style);
    p.setFont(l.style.Text());
    double w = l.header.width() / 3;
    for (int c = 0; c < 3; ++c) {
        QRectF box(l.header.left() + w * c, l.header.top(), w - l.style.font, l.header.height());
        DrawTextLines(p, box, Header(t, c), l.style);
    }
}

void DrawBarrel(QPainter& p, const ProfileLayout& l, const ProfileGeometry& g) {
    const Transform& t = l.transform;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgba(kBarrelColour));
    p.drawPolygon(Band(t, g.crown, g.invert));
    for (const StationLabel& s : StationLabels(g)) {
        p.setPen(l.style.Pen(s.text == kJumpLabel ? kJumpColour : kCrownColour, 1.2, Qt::DashLine));
        p.drawLine(QPointF(t.DeviceX(s.sta), l.plot.top()),
                   t.Map(s.sta, PolylineY(g.invert, s.sta)));
    }
}

void DrawWater(QPainter& p, const ProfileLayout& l, const ProfileGeometry& g) {
    const Transform& t = l.transform;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgba(kWaterFillColour));
    p.drawPolygon(Band(t, g.surface, g.bed));
    if (g.jump) {
        p.setBrush(QBrush(QColor::fromRgba(kJumpColour), Qt::BDiagPattern));
        p.drawPolygon(Band(t, Slice(g.crown, g.jump->start, g.jump->end),
                           Slice(g.invert, g.jump->start, g.jump->end)));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(l.style.Pen(kWaterLineColour, 1.8));
    p.drawPolyline(Device(t, g.surface));
}

void DrawBarrelLines(QPainter& p, const ProfileLayout& l, const ProfileGeometry& g) {
    const Transform& t = l.transform;
    p.setBrush(Qt::NoBrush);
    p.setPen(l.style.Pen(kCrownColour, 1.6));
    p.drawPolyline(Device(t, g.crown));
    if (!g.invert.empty()) {
        p.drawLine(t.Map(g.invert.front()), t.Map(g.crown.front()));
        p.drawLine(t.Map(g.invert.back()), t.Map(g.crown.back()));
    }
    p.setPen(l.style.Pen(kInvertColour, 2.6));
    p.drawPolyline(Device(t, g.invert));
}

void DrawBreakMarks(QPainter& p, const ProfileLayout& l, const ProfileGeometry& g) {
    p.setPen(l.style.Pen(kWaterLineColour, 1.5));
    p.setBrush(Qt::white);
    double r = l.style.font * 0.3;
    for (const auto& mark : {g.upperBreakMark, g.lowerBreakMark})
        if (mark) p.drawEllipse(l.transform.Map(*mark), r, r);
}

// A level as a line out to the plot's edge, named just above it.
void DrawLevel(QPainter& p, const ProfileLayout& l, double from, double to, double elev,
               const char* name) {
    const Transform& t = l.transform;
    p.setPen(l.style.Pen(kLevelColour, 1.6));
    p.drawLine(QPointF(from, t.DeviceY(elev)), QPointF(to, t.DeviceY(elev)));
    double w = l.style.font * 2.2;
    QRectF box(std::min(from, to) + l.style.font * 0.3, t.DeviceY(elev) - l.style.LineHeight(), w,
               l.style.LineHeight());
    p.setFont(l.style.Text(true));
    p.drawText(box, Qt::AlignLeft | Qt::AlignBottom, QString::fromLatin1(name));
}

void DrawLevels(QPainter& p, const ProfileLayout& l, const ProfileGeometry& g) {
    const Transform& t = l.transform;
    if (g.headwater) DrawLevel(p, l, l.plot.left(), t.DeviceX(g.inletSta), *g.headwater, "HW");
    if (g.tailwater) DrawLevel(p, l, t.DeviceX(g.outletSta), l.plot.right(), *g.tailwater, "TW");
}

void DrawStationLabels(QPainter& p, const ProfileLayout& l, const ProfileGeometry& g) {
    std::vector<StationLabel> labels = StationLabels(g);
    std::vector<Span> spans =
        LabelSpans(labels, l.transform.X(), l.plot.left(), l.plot.width(), l.style);
    p.setFont(l.style.Text());
    for (std::size_t i = 0; i < labels.size(); ++i) {
        double bottom = l.plot.top() - l.style.LineHeight() * l.labelRows[i] - l.style.font * 0.2;
        QRectF box(spans[i].left, bottom - l.style.LineHeight(), spans[i].right - spans[i].left,
                   l.style.LineHeight());
        p.setPen(QColor::fromRgba(labels[i].text == kJumpLabel ? kJumpColour : kInkColour));
        p.drawText(box, Qt::AlignCenter, Text(labels[i].text));
    }
}

void DrawNote(QPainter& p, const ProfileLayout& l) {
    p.setPen(QColor::fromRgba(kInkColour));
    p.setFont(l.style.Text());
    QRectF line(l.plot.left(), l.plot.bottom() + BottomMargin(l.style), l.plot.width(),
                l.style.LineHeight());
    p.drawText(line, Qt::AlignRight | Qt::AlignVCenter, Text(ExaggerationText(l.exaggeration)));
}

}  // namespace

void DrawProfile(QPainter& p, const QRectF& area, const Model& model, bool metric) {
    ProfileGeometry g = BuildProfileGeometry(model, metric);
    ProfileTexts t = BuildProfileTexts(model, metric);
    ProfileLayout l = LayoutProfile(area, g, t);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, Qt::white);
    DrawHeader(p, l, t);
    DrawAxes(p, l.transform, l.style, t.xTitle, t.yTitle);
    p.save();
    p.setClipRect(l.plot, Qt::IntersectClip);
    DrawBarrel(p, l, g);
    DrawWater(p, l, g);
    DrawBarrelLines(p, l, g);
    DrawBreakMarks(p, l, g);
    DrawLevels(p, l, g);
    p.restore();
    DrawStationLabels(p, l, g);
    DrawNote(p, l);
    p.restore();
}

}  // namespace kelp
