#include "model/number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "model/checked.h"

namespace kelp {
namespace {

TEST(FloatText, ShortestTextOfAtMostSevenDigits) {
    EXPECT_EQ(FloatText(21.800001f), "21.8");
    EXPECT_EQ(FloatText(3.0f), "3");
    EXPECT_EQ(FloatText(0.0f), "0");
    EXPECT_EQ(FloatText(-0.0f), "0");
    EXPECT_EQ(FloatText(0.035f), "0.035");
    EXPECT_EQ(FloatText(100.1f), "100.1");
    EXPECT_EQ(FloatText(-2.5f), "-2.5");
    EXPECT_EQ(FloatText(1.0f / 3.0f), "0.3333333");  // needs 8 digits: rounded to 7
    EXPECT_EQ(FloatText(0.0001f), "0.0001");
}

TEST(FloatText, ExponentFormOnlyForVeryLargeOrSmallValues) {
    EXPECT_EQ(FloatText(1234567.0f), "1234567");
    EXPECT_EQ(FloatText(12345678.0f), "1.234568E+07");
    EXPECT_EQ(FloatText(1e8f), "1E+08");
    EXPECT_EQ(FloatText(1e-5f), "1E-05");
    EXPECT_EQ(FloatText(-1.5e-7f), "-1.5E-07");
    EXPECT_EQ(FloatText(3.4e38f), "3.4E+38");
}

// Significant digits of a plain or exponent number text.
std::size_t SignificantDigits(const std::string& text) {
    std::string digits;
    for (char c : text.substr(0, text.find_first_of("eE")))
        if (c >= '0' && c <= '9') digits += c;
    digits.erase(0, digits.find_first_not_of('0'));
    return digits.size();
}

// A float whose shortest text has at most 7 digits comes back from FloatText
// unchanged; any other comes back within 7-digit rounding.
TEST(FloatText, ReadsBackOverManyValues) {
    uint32_t state = 12345;
    for (int i = 0; i < 20000; ++i) {
        state = state * 1664525u + 1013904223u;
        uint32_t bits = (state & 0x807FFFFFu) | ((100u + (state >> 24) % 60u) << 23);
        float value = 0;
        std::memcpy(&value, &bits, sizeof value);
        std::string text = FloatText(value);
        ASSERT_LE(SignificantDigits(text), 7u) << text;
        float back = 0;
        std::from_chars(text.data(), text.data() + text.size(), back);
        if (SignificantDigits(JsonFloatText(value)) <= 7)
            ASSERT_EQ(back, value) << text;
        else
            ASSERT_NEAR(back, value, std::fabs(value) * 1e-6) << text;
    }
}

TEST(DoubleText, FifteenDigitsForMultipliedValues) {
    EXPECT_EQ(DoubleText(10.0f * 3.2808), "32.808");
    EXPECT_EQ(DoubleText(1.0 * 35.3147), "35.3147");
    EXPECT_EQ(DoubleText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(DoubleText(1e15), "1E+15");
    EXPECT_EQ(DoubleText(123456789012345.0), "123456789012345");
}

TEST(FloatText, BasicStrAndJsonVariants) {
    EXPECT_EQ(BasicStr(0.035f), " .035");
    EXPECT_EQ(BasicStr(-0.5f), "-.5");
    EXPECT_EQ(BasicStr(3.0f), " 3");
    EXPECT_EQ(JsonFloatText(21.800001f), "21.800001");
    EXPECT_EQ(JsonFloatText(1.0f / 3.0f), "0.33333334");
}

TEST(ParseNumber, WholeFieldMustBeANumber) {
    EXPECT_EQ(ParseNumber(" 1.5 "), 1.5);
    EXPECT_EQ(ParseNumber(".5"), 0.5);
    EXPECT_EQ(ParseNumber("5."), 5.0);
    EXPECT_EQ(ParseNumber("+2"), 2.0);
    EXPECT_EQ(ParseNumber("1E+3"), 1000.0);
    EXPECT_EQ(ParseNumber("2.5E-1"), 0.25);
    EXPECT_EQ(ParseNumber("1e-400"), 0.0);
    for (const char* bad : {"", " ", ".", "-", "abc", "1e", "1.2.3", "12abc", "1 2", "1,5", "inf",
                            "nan", "0x10", "1d3"})
        EXPECT_FALSE(ParseNumber(bad).has_value()) << bad;
    EXPECT_THROW(ParseNumber("1e400"), RuntimeFault);
}

TEST(LeadingNumber, ValSemantics) {
    EXPECT_EQ(LeadingNumber(""), 0.0);
    EXPECT_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_EQ(LeadingNumber(" 12abc"), 12.0);
    EXPECT_EQ(LeadingNumber("1 2"), 12.0);
    EXPECT_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(LeadingNumber("-.5x"), -0.5);
    EXPECT_EQ(LeadingNumber("1e"), 1.0);
    EXPECT_EQ(LeadingNumber("1D2"), 100.0);
}

TEST(RoundTrip, FloatTextReadAsDouble) {
    EXPECT_EQ(RoundTrip(100.1f), 100.1);
    EXPECT_EQ(RoundTrip(21.800001f), 21.8);
}

TEST(FormatNumber, DigitPlaceholders) {
    struct Case {
        double value;
        const char* pattern;
        const char* text;
    };
    const Case cases[] = {
        {0.5, "####.00", ".50"},       {0, "#.00", ".00"},         {12.3, "####.00", "12.30"},
        {123456.789, "##0.00", "123456.79"},                       {0.5, "##0.00", "0.50"},
        {2.25, "##.0#", "2.25"},       {2.5, "##.0#", "2.5"},      {4, "##.0#", "4.0"},
        {2, "0.", "2."},               {2.4, "0.", "2."},          {0.125, "0.00", "0.13"},
        {-0.125, "0.00", "-0.13"},     {-0.001, "0.00", "0.00"},   {999.996, "###.00", "1000.00"},
        {3.14159265, "0.0000", "3.1416"},                          {1234.56, "#####.0", "1234.6"},
        {0.00012345, "0.00000000", "0.00012345"},                  {0.25, "#.0", ".3"},
        {1.0625, "#.000", "1.063"},    {-7.25, "###0.00", "-7.25"},
        {2.675, "0.00", "2.67"},  // held as 2.67499999...: rounded as held
    };
    for (const Case& c : cases) EXPECT_EQ(FormatNumber(c.value, c.pattern), c.text) << c.pattern;
}

}  // namespace
}  // namespace kelp
