// Checked arithmetic for the analysis.
//
// The engine never lets a hardware trap, an inf or a NaN reach a result: every
// division, root, power and narrowing that can fail goes through these helpers,
// which raise a RuntimeFault carrying the description a user sees in the
// message box ("Division by zero", "Overflow", ...). The engine traps none of
// them; the run that started the analysis reports them.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kelp {

inline constexpr const char* kDivisionByZero = "Division by zero";
inline constexpr const char* kOverflow = "Overflow";
inline constexpr const char* kInvalidCall = "Invalid procedure call or argument";
inline constexpr const char* kSubscriptOutOfRange = "Subscript out of range";
inline constexpr const char* kTypeMismatch = "Type mismatch";

// A run-time fault of the analysis: `what()` is the description alone, `where()`
// the routine in which it happened (may be empty).
class RuntimeFault : public std::runtime_error {
public:
    explicit RuntimeFault(const std::string& description, std::string where = {})
        : std::runtime_error(description), where_(std::move(where)) {}
    const std::string& where() const { return where_; }

private:
    std::string where_;
};

// a / b; a zero divisor or a result beyond double range is a fault.
double Div(double a, double b);
// Square root; a negative argument is a fault.
double Sqrt(double x);
// base ^ exponent as the run time evaluates it: a negative base with a
// fractional exponent is invalid, zero to a negative power divides by zero.
double Pow(double base, double exponent);
// Any double result that left the finite range is an overflow.
double Finite(double x);
// Rounds to 32 bits; a value beyond the float range overflows.
float F32(double x);
// Narrows to a 16-bit signed counter; past -32768..32767 it overflows.
int16_t I16(double x);
// Adds one to a 16-bit counter, raising an overflow past 32767.
int16_t Inc16(int16_t counter);

}  // namespace kelp
