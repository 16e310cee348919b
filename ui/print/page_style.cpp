#include "ui/print/page_style.h"

#include <algorithm>
#include <cmath>

namespace kelp {

// Pixel sizes, not point sizes: the font then measures the same on every
// device whatever resolution the device claims for its fonts.
QFont PageStyle::Font(double points, bool bold) const {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(Pt(points)))));
    f.setBold(bold);
    // No ligatures: text read back from a PDF keeps its letters ("fi", not one glyph).
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

QPen PageStyle::Rule(double points) const {
    QPen pen(Qt::black);
    pen.setWidthF(Pt(points));
    return pen;
}

PageStyle StyleOf(const QPaintDevice& device) {
    return {static_cast<double>(std::max(1, device.logicalDpiY()))};
}

}  // namespace kelp
