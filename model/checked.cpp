#include "model/checked.h"

#include <cfloat>
#include <cmath>

namespace kelp {

double Finite(double x) {
    if (std::isnan(x)) throw RuntimeFault(kInvalidCall);
    if (!std::isfinite(x)) throw RuntimeFault(kOverflow);
    return x;
}

double Div(double a, double b) {
    if (b == 0.0) throw RuntimeFault(kDivisionByZero);
    return Finite(Finite(a) / b);
}

double Sqrt(double x) {
    if (Finite(x) < 0.0) throw RuntimeFault(kInvalidCall);
    return std::sqrt(x);
}

double Pow(double base, double exponent) {
    Finite(base);
    Finite(exponent);
    if (base == 0.0 && exponent < 0.0) throw RuntimeFault(kDivisionByZero);
    if (base < 0.0 && std::trunc(exponent) != exponent) throw RuntimeFault(kInvalidCall);
    return Finite(std::pow(base, exponent));
}

float F32(double x) {
    Finite(x);
    if (std::fabs(x) > static_cast<double>(FLT_MAX)) throw RuntimeFault(kOverflow);
    return static_cast<float>(x);
}

int16_t I16(double x) {
    // The run time rounds half to even when a number becomes an integer.
    double r = std::nearbyint(Finite(x));
    if (r < -32768.0 || r > 32767.0) throw RuntimeFault(kOverflow);
    return static_cast<int16_t>(r);
}

int16_t Inc16(int16_t counter) {
    if (counter == INT16_MAX) throw RuntimeFault(kOverflow);
    return static_cast<int16_t>(counter + 1);
}

}  // namespace kelp
