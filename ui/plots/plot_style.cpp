#include "ui/plots/plot_style.h"

#include <algorithm>
#include <cmath>

namespace kelp {

QFont PlotStyle::Text(bool bold) const {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(font))));
    f.setBold(bold);
    // Unshaped text keeps "fi" and "ff" as separate letters, so a printed
    // page's text reads back as it was written.
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

QPen PlotStyle::Pen(QRgb colour, double widthFactor, Qt::PenStyle style) const {
    QPen pen{QColor::fromRgba(colour)};
    pen.setWidthF(line * widthFactor);
    pen.setStyle(style);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

PlotStyle StyleFor(const QRectF& area) {
    double side = std::min(area.width(), area.height() * 1.4);
    double font = std::max(8.0, side / 65);
    return {font, std::max(1.0, font / 10)};
}

}  // namespace kelp
