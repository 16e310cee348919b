#include "ui/plots/plot_axes.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/number_text.h"

namespace kelp {

namespace {

constexpr std::array<double, 3> kMantissas{1, 2, 5};
// Bounds the tick loop whatever the axis a caller builds by hand.
constexpr long kMaxTicks = 500;

double Decade(double x) { return std::pow(10.0, std::floor(std::log10(x))); }

}  // namespace

double NiceStep(double span, int maxTicks) {
    span = std::max(std::fabs(span), 1e-9);
    double raw = span / std::max(maxTicks, 1);
    double decade = Decade(raw);
    for (double m : kMantissas)
        if (m * decade >= raw * (1 - 1e-9)) return m * decade;
    return 10 * decade;
}

double NiceAtMost(double x) {
    if (!(x >= 1)) return 1;
    double decade = Decade(x);
    double best = decade;
    for (double m : kMantissas)
        if (m * decade <= x * (1 + 1e-9)) best = m * decade;
    return best;
}

Axis NiceAxis(double lo, double hi, int maxTicks) {
    if (hi < lo) std::swap(lo, hi);
    if (hi - lo < 1e-9 * std::max(1.0, std::fabs(hi))) {
        // One value: a window of a tenth of its size (or one unit) around it.
        double half = std::max(std::fabs(lo) * 0.05, 0.5);
        lo -= half;
        hi += half;
    }
    double step = NiceStep(hi - lo, maxTicks);
    return {std::floor(lo / step + 1e-9) * step, std::ceil(hi / step - 1e-9) * step, step};
}

std::vector<double> Ticks(const Axis& axis) {
    std::vector<double> ticks;
    if (!(axis.step > 0) || !(axis.hi >= axis.lo)) return ticks;
    long first = std::lround(std::ceil(axis.lo / axis.step - 1e-9));
    long last = std::lround(std::floor(axis.hi / axis.step + 1e-9));
    last = std::min(last, first + kMaxTicks);
    for (long i = first; i <= last; ++i) ticks.push_back(static_cast<double>(i) * axis.step);
    return ticks;
}

std::string TickText(double value, double step) {
    int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    std::string pattern =
        decimals > 0 ? "0." + std::string(static_cast<std::size_t>(decimals), '0') : "0";
    return FormatNumber(value, pattern);
}

Transform::Transform(const Axis& x, const Axis& y, const QRectF& device)
    : x_(x),
      y_(y),
      device_(device),
      sx_(device.width() / std::max(x.hi - x.lo, 1e-9)),
      sy_(device.height() / std::max(y.hi - y.lo, 1e-9)) {}

double Transform::DeviceX(double x) const { return device_.left() + (x - x_.lo) * sx_; }

double Transform::DeviceY(double y) const { return device_.bottom() - (y - y_.lo) * sy_; }

QPointF Transform::Map(double x, double y) const { return {DeviceX(x), DeviceY(y)}; }

}  // namespace kelp
