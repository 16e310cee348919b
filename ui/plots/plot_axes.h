// Round-number axes and the mapping from world units (stations, elevations,
// discharges in the unit shown) to the device a picture is painted on.
#pragma once

#include <string>
#include <vector>

#include <QPointF>
#include <QRectF>

namespace kelp {

// A visible range [lo, hi] with the spacing of its ticks. Ticks fall on whole
// multiples of `step`; lo and hi need not.
struct Axis {
    double lo = 0;
    double hi = 1;
    double step = 0.1;
};

// The smallest 1, 2 or 5 x 10^n step that divides `span` into at most
// `maxTicks` intervals (span and maxTicks are raised to sane minimums).
double NiceStep(double span, int maxTicks);
// The largest 1, 2 or 5 x 10^n not above x (x >= 1 gives at least 1).
double NiceAtMost(double x);
// An axis covering lo..hi extended outwards to whole steps. Equal ends are
// widened so the axis never has zero length.
Axis NiceAxis(double lo, double hi, int maxTicks);
// The tick values of an axis, ascending; never more than a few hundred.
std::vector<double> Ticks(const Axis& axis);
// A tick label with as many decimals as the step needs ("250", "2.5", "0.05").
std::string TickText(double value, double step);

// Maps world x across and world y upwards into a device rectangle.
class Transform {
public:
    Transform(const Axis& x, const Axis& y, const QRectF& device);
    QPointF Map(double x, double y) const;
    QPointF Map(const QPointF& world) const { return Map(world.x(), world.y()); }
    double DeviceX(double x) const;
    double DeviceY(double y) const;
    // Device units per world unit across and up.
    double ScaleX() const { return sx_; }
    double ScaleY() const { return sy_; }
    const Axis& X() const { return x_; }
    const Axis& Y() const { return y_; }
    const QRectF& Device() const { return device_; }

private:
    Axis x_, y_;
    QRectF device_;
    double sx_, sy_;
};

}  // namespace kelp
