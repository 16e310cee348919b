// Numbers to text and back, as the program shows, stores and re-reads them.
// Always "." as the decimal point, whatever the locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelp {

// Shortest text of at most 7 significant digits that reads back to the same
// float, else the value rounded to 7 significant digits ("21.8", "3", "1E+08"
// style exponent only for very large or small values). Used for the discharge
// round trip before each analysis, the project file's single-precision fields
// and numbers put into the input form's fields.
std::string FloatText(float value);
// The same rule for double-precision values with at most 15 significant digits.
std::string DoubleText(double value);
// The run time's Str(): FloatText with a leading blank for values >= 0 and a
// "-" otherwise, and no leading zero before the point (" .035").
std::string BasicStr(float value);
// Shortest text that reads back to the same float (up to 9 digits), for JSON.
std::string JsonFloatText(float value);

// A whole field read as a number: optional blanks, optional sign, digits with
// an optional point (".5" and "5." allowed), optional exponent. Anything else,
// and an empty text, is a type mismatch: nullopt. A number beyond the double
// range raises the run time's "Overflow"; one too small to hold reads as 0.
std::optional<double> ParseNumber(std::string_view text);
// The run time's Val(): the leading number of the text, 0 when there is none
// (blanks anywhere are skipped, a "D" exponent is read; "Overflow" as above).
double LeadingNumber(std::string_view text);
// The discharge's round trip: the float written as FloatText and read back as
// the double nearest to that text (100.1f arrives as 100.1, not 100.09999847).
double RoundTrip(float value);

// Digit-placeholder formatting: "0" prints a digit always, "#" only when
// significant ("####.00" prints 0.5 as ".50"), "0." keeps the point ("2."),
// "0.0000" rounds to four decimals. Rounds half away from zero.
std::string FormatNumber(double value, std::string_view pattern);

}  // namespace kelp
