#include "model/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

#include "model/checked.h"
#include "model/gcc12_restrict.h"

namespace kelp {
namespace {

// Significant digits a 32-bit and a 64-bit value are written with.
constexpr int kFloatDigits = 7;
constexpr int kDoubleDigits = 15;
// Below this decimal exponent a value is written as 1E-05 rather than 0.00001;
// from the digit count up (1E+07 for a float, 1E+15 for a double) the plain
// form would show zeros that the value does not carry, so the exponent form
// is used there too.
constexpr int kSmallestPlainExponent = -4;

// Significant digits without trailing zeros, and the decimal exponent of the
// first one: value = 0.d1d2... x 10^(exponent + 1).
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits ScientificDigits(double magnitude, int significant) {
    std::array<char, 64> buf{};
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                             std::chars_format::scientific, significant - 1);
    std::string_view text(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
    std::size_t e = text.find('e');
    Digits out;
    for (char c : text.substr(0, e))
        if (c != '.') out.digits += c;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0),
                    text.data() + text.size(), out.exponent);
    while (out.digits.size() > 1 && out.digits.back() == '0') out.digits.pop_back();
    return out;
}

std::string ExponentForm(const Digits& d) {
    std::string s(1, d.digits[0]);
    KELP_IGNORE_GCC12_RESTRICT_BEGIN
    if (d.digits.size() > 1) s += "." + d.digits.substr(1);
    KELP_IGNORE_GCC12_RESTRICT_END
    int e = std::abs(d.exponent);
    s += d.exponent < 0 ? "E-" : "E+";
    if (e < 10) s += '0';
    return s + std::to_string(e);
}

std::string PlainForm(const Digits& d) {
    if (d.exponent < 0)
        return "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    std::size_t whole = static_cast<std::size_t>(d.exponent) + 1;
    if (d.digits.size() <= whole) return d.digits + std::string(whole - d.digits.size(), '0');
    return d.digits.substr(0, whole) + "." + d.digits.substr(whole);
}

template <typename T>
bool ReadsBack(const Digits& d, T value) {
    std::string text = d.digits.substr(0, 1) + "." + d.digits.substr(1) + "e" +
                       std::to_string(d.exponent);
    T back{};
    std::from_chars(text.data(), text.data() + text.size(), back);
    return back == value;
}

// The fewest significant digits (up to maxDigits) that read back to value.
template <typename T>
std::string ShortestText(T value, int maxDigits) {
    if (value == 0) return "0";
    double magnitude = std::fabs(static_cast<double>(value));
    Digits d;
    for (int n = 1; n <= maxDigits; ++n) {
        d = ScientificDigits(magnitude, n);
        if (ReadsBack(d, std::fabs(value))) break;
    }
    bool exponent = d.exponent < kSmallestPlainExponent || d.exponent >= maxDigits;
    std::string body = exponent ? ExponentForm(d) : PlainForm(d);
    return value < 0 ? "-" + body : body;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the number at the start of text: [sign] digits [. digits]
// [exponent]; 0 when there is no digit before the exponent. A dangling
// exponent ("1e") is left out.
std::size_t NumberLength(std::string_view text, std::string_view exponentLetters) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < text.size() && exponentLetters.find(text[i]) != std::string_view::npos) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        std::size_t start = j;
        while (j < text.size() && IsDigit(text[j])) ++j;
        if (j > start) i = j;
    }
    return i;
}

// Decimal order of magnitude of a number text that NumberLength accepted:
// the count of whole digits, or minus the zeros after the point, plus the
// exponent (saturated, so an absurd exponent cannot wrap).
long DecimalOrder(std::string_view number) {
    std::size_t e = number.find_first_of("eE");
    long order = 0;
    bool point = false, significant = false;
    for (char c : number.substr(0, e)) {
        if (c == '.') point = true;
        if (!IsDigit(c)) continue;
        significant = significant || c != '0';
        if (!significant && point) --order;
        if (significant && !point) ++order;
    }
    long exponent = 0;
    if (e != std::string_view::npos) {
        for (char c : number.substr(e + 1))
            if (IsDigit(c) && exponent < 100000) exponent = exponent * 10 + (c - '0');
        if (number.find('-', e) != std::string_view::npos) exponent = -exponent;
    }
    return order + exponent;
}

// Converts a text that NumberLength accepted. A value beyond the double range
// overflows as the run time's conversion does; one too small to hold is 0.
double Convert(std::string number) {
    std::replace_if(number.begin(), number.end(),
                    [](char c) { return c == 'd' || c == 'D'; }, 'e');
    const char* first = number.data() + (number[0] == '+' ? 1 : 0);
    double value = 0;
    auto res = std::from_chars(first, number.data() + number.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        if (DecimalOrder(number) > 0) throw RuntimeFault(kOverflow);
        return 0;
    }
    return value;
}

std::string WithoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text)
        if (!IsBlank(c) && c != '\n' && c != '\r') out += c;
    return out;
}

}  // namespace

std::string FloatText(float value) { return ShortestText(value, kFloatDigits); }

std::string DoubleText(double value) { return ShortestText(value, kDoubleDigits); }

std::string BasicStr(float value) {
    std::string text = FloatText(value);
    bool negative = text[0] == '-';
    std::string body = negative ? text.substr(1) : text;
    if (body.size() > 1 && body[0] == '0' && body[1] == '.') body.erase(0, 1);
    return (negative ? "-" : " ") + body;
}

std::string JsonFloatText(float value) {
    std::array<char, 64> buf{};
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value);
    return std::string(buf.data(), res.ptr);
}

std::optional<double> ParseNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    std::size_t length = NumberLength(text, "eE");
    if (length == 0 || length != text.size()) return std::nullopt;
    return Convert(std::string(text));
}

// The run time's Val() ignores blanks anywhere in the text ("1 2" is 12) and
// also reads a "D" exponent.
double LeadingNumber(std::string_view text) {
    std::string packed = WithoutBlanks(text);
    std::size_t length = NumberLength(packed, "eEdD");
    return length == 0 ? 0.0 : Convert(packed.substr(0, length));
}

double RoundTrip(float value) {
    std::string text = FloatText(value);
    double back = 0;
    std::from_chars(text.data(), text.data() + text.size(), back);
    return back;
}

namespace {

struct Pattern {
    std::size_t minInteger = 0;   // '0' placeholders before the point
    std::size_t minDecimals = 0;  // '0' placeholders after it
    std::size_t maxDecimals = 0;  // all placeholders after it
    bool point = false;
};

Pattern ReadPattern(std::string_view pattern) {
    Pattern p;
    std::size_t dot = pattern.find('.');
    p.point = dot != std::string_view::npos;
    std::string_view whole = pattern.substr(0, dot);
    p.minInteger = static_cast<std::size_t>(std::count(whole.begin(), whole.end(), '0'));
    if (p.point) {
        std::string_view decimals = pattern.substr(dot + 1);
        p.minDecimals = static_cast<std::size_t>(std::count(decimals.begin(), decimals.end(), '0'));
        p.maxDecimals = p.minDecimals +
                        static_cast<std::size_t>(std::count(decimals.begin(), decimals.end(), '#'));
    }
    return p;
}

// The exact decimal expansion of |value|: a double with binary exponent e has
// at most 53 - e fraction digits, so this many digits lose nothing.
std::string ExactFixed(double magnitude, std::size_t decimals) {
    int exponent = 0;
    std::frexp(magnitude, &exponent);
    int needed = std::max(static_cast<int>(decimals) + 1, 53 - exponent);
    std::string buf(static_cast<std::size_t>(needed) + 400, '\0');
    auto res = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                             std::chars_format::fixed, needed);
    buf.resize(static_cast<std::size_t>(res.ptr - buf.data()));
    return buf;
}

// Adds one unit in the last place of a digit string; returns true on a carry
// out of the first digit.
bool Increment(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    return true;
}

}  // namespace

// Rounds the double exactly as it is held, half away from zero: 2.675 is held
// as 2.67499999... and prints as 2.67 with two decimals.
std::string FormatNumber(double value, std::string_view pattern) {
    Finite(value);
    Pattern p = ReadPattern(pattern);
    std::string exact = ExactFixed(std::fabs(value), p.maxDecimals);
    std::size_t dot = exact.find('.');
    std::string digits = exact.substr(0, dot) + exact.substr(dot + 1, p.maxDecimals);
    KELP_IGNORE_GCC12_RESTRICT_BEGIN
    if (exact[dot + 1 + p.maxDecimals] >= '5' && Increment(digits)) digits.insert(0, "1");
    KELP_IGNORE_GCC12_RESTRICT_END

    std::string whole = digits.substr(0, digits.size() - p.maxDecimals);
    std::string decimals = digits.substr(whole.size());
    bool zero = digits.find_first_not_of('0') == std::string::npos;
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.size() < p.minInteger) whole.insert(0, p.minInteger - whole.size(), '0');
    while (decimals.size() > p.minDecimals && decimals.back() == '0') decimals.pop_back();

    std::string out = (value < 0 && !zero) ? "-" : "";
    out += whole;
    if (p.point) out += "." + decimals;
    return out;
}

}  // namespace kelp
