// Sizes on a printed page are given in points and turned into device units
// through the device's resolution, so a 1200 dpi printer, a 300 dpi PDF and a
// 96 dpi preview lay out the same page.
#pragma once

#include <QFont>
#include <QPaintDevice>
#include <QPen>

namespace kelp {

struct PageStyle {
    double dpi = 72;

    double Pt(double points) const { return points * dpi / 72.0; }
    QFont Font(double points, bool bold = false) const;
    QPen Rule(double points = 0.6) const;
};

PageStyle StyleOf(const QPaintDevice& device);

}  // namespace kelp
