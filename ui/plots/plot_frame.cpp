#include "ui/plots/plot_frame.h"

#include <algorithm>

#include <QFontMetricsF>

namespace kelp {

namespace {

// Tick labels are at most this many characters wide ("-1250.5").
constexpr double kTickLabelChars = 7;
constexpr double kCharWidth = 0.65;  // of the text height, for digits

double TickLength(const PlotStyle& s) { return s.font * 0.4; }

void DrawGrid(QPainter& p, const Transform& t, const PlotStyle& s) {
    const QRectF& r = t.Device();
    p.setPen(s.Pen(kGridColour, 0.8));
    for (double x : Ticks(t.X()))
        p.drawLine(QPointF(t.DeviceX(x), r.top()), QPointF(t.DeviceX(x), r.bottom()));
    for (double y : Ticks(t.Y()))
        p.drawLine(QPointF(r.left(), t.DeviceY(y)), QPointF(r.right(), t.DeviceY(y)));
}

void DrawXTicks(QPainter& p, const Transform& t, const PlotStyle& s) {
    const QRectF& r = t.Device();
    QFontMetricsF fm(p.font());
    double lastRight = r.left() - 1e9;
    for (double x : Ticks(t.X())) {
        double dx = t.DeviceX(x);
        p.drawLine(QPointF(dx, r.bottom()), QPointF(dx, r.bottom() + TickLength(s)));
        QString label = Text(TickText(x, t.X().step));
        double w = fm.horizontalAdvance(label);
        if (dx - w / 2 < lastRight + s.font * 0.5) continue;  // would touch its neighbour
        p.drawText(QRectF(dx - w, r.bottom() + TickLength(s), 2 * w, s.LineHeight()),
                   Qt::AlignHCenter | Qt::AlignTop, label);
        lastRight = dx + w / 2;
    }
}

void DrawYTicks(QPainter& p, const Transform& t, const PlotStyle& s) {
    const QRectF& r = t.Device();
    double right = r.left() - TickLength(s) * 1.5;
    double width = s.font * kCharWidth * kTickLabelChars;
    for (double y : Ticks(t.Y())) {
        double dy = t.DeviceY(y);
        p.drawLine(QPointF(r.left() - TickLength(s), dy), QPointF(r.left(), dy));
        p.drawText(QRectF(right - width, dy - s.LineHeight() / 2, width, s.LineHeight()),
                   Qt::AlignRight | Qt::AlignVCenter, Text(TickText(y, t.Y().step)));
    }
}

void DrawAxisTitles(QPainter& p, const Transform& t, const PlotStyle& s, const std::string& xTitle,
                    const std::string& yTitle) {
    const QRectF& r = t.Device();
    p.drawText(
        QRectF(r.left(), r.bottom() + TickLength(s) + s.LineHeight(), r.width(), s.LineHeight()),
        Qt::AlignHCenter | Qt::AlignTop, Text(xTitle));
    p.save();
    p.translate(r.left() - LeftMargin(s), r.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-r.height() / 2, 0, r.height(), s.LineHeight()),
               Qt::AlignHCenter | Qt::AlignTop, Text(yTitle));
    p.restore();
}

}  // namespace

QString Text(const std::string& s) { return QString::fromStdString(s); }

double LeftMargin(const PlotStyle& s) {
    return s.LineHeight() + s.font * kCharWidth * kTickLabelChars + TickLength(s) * 2;
}

double BottomMargin(const PlotStyle& s) { return TickLength(s) + s.LineHeight() * 2.2; }

void DrawAxes(QPainter& p, const Transform& t, const PlotStyle& style, const std::string& xTitle,
              const std::string& yTitle) {
    p.save();
    DrawGrid(p, t, style);
    p.setFont(style.Text());
    p.setPen(style.Pen(kInkColour));
    p.setBrush(Qt::NoBrush);
    p.drawRect(t.Device());
    DrawXTicks(p, t, style);
    DrawYTicks(p, t, style);
    p.setFont(style.Text(true));
    DrawAxisTitles(p, t, style, xTitle, yTitle);
    p.restore();
}

QRectF TitleBox(const QRectF& area, const PlotStyle& s) {
    return {area.left(), area.top() + s.LineHeight() * 0.4, area.width(), s.LineHeight() * 1.5};
}

void DrawTitle(QPainter& p, const QRectF& box, const std::string& title, const PlotStyle& s) {
    QFont big = s.Text(true);
    big.setPixelSize(static_cast<int>(s.font * 1.25));
    p.setFont(big);
    p.setPen(QColor::fromRgba(kInkColour));
    p.drawText(box, Qt::AlignCenter, Text(title));
}

void DrawTextLines(QPainter& p, const QRectF& box, const std::vector<std::string>& lines,
                   const PlotStyle& style, Qt::Alignment align) {
    QFontMetricsF fm(p.font());
    double y = box.top();
    for (const std::string& line : lines) {
        if (y + style.LineHeight() > box.bottom() + 0.5) break;
        QString shown = fm.elidedText(Text(line), Qt::ElideRight, box.width());
        p.drawText(QRectF(box.left(), y, box.width(), style.LineHeight()), align | Qt::AlignVCenter,
                   shown);
        y += style.LineHeight();
    }
}

std::vector<int> LabelRows(const std::vector<Span>& spans, double gap) {
    std::vector<std::vector<Span>> rows;
    std::vector<int> rowOf;
    for (const Span& s : spans) {
        auto clears = [&](const std::vector<Span>& row) {
            return std::all_of(row.begin(), row.end(), [&](const Span& o) {
                return s.right + gap <= o.left || o.right + gap <= s.left;
            });
        };
        auto it = std::find_if(rows.begin(), rows.end(), clears);
        if (it == rows.end()) it = rows.insert(rows.end(), std::vector<Span>{});
        it->push_back(s);
        rowOf.push_back(static_cast<int>(it - rows.begin()));
    }
    return rowOf;
}

}  // namespace kelp
