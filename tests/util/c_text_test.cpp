#include "util/c_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

TEST(ParseInt, ReadsLeadingNumberLikeAtoi) {
  EXPECT_EQ(util::parseInt("42"), 42);
  EXPECT_EQ(util::parseInt("  -17abc"), -17);
  EXPECT_EQ(util::parseInt("+8"), 8);
  EXPECT_EQ(util::parseInt("3.9"), 3);
  EXPECT_EQ(util::parseInt(""), 0);
  EXPECT_EQ(util::parseInt("abc"), 0);
  EXPECT_EQ(util::parseInt("- 5"), 0);
  EXPECT_EQ(util::parseInt("\t\n 7"), 7);
}

TEST(ParseInt, SaturatesInsteadOfOverflowing) {
  EXPECT_EQ(util::parseInt("99999999999999999999"), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(util::parseInt("-2147483648"), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(util::parseInt("-99999999999999999999"), std::numeric_limits<std::int32_t>::min());
}

TEST(ParseInt, NeverReadsPastTheView) {
  const std::string text = "12345";
  EXPECT_EQ(util::parseInt(std::string_view(text).substr(0, 2)), 12);
}

TEST(ParseDouble, ReadsDecimalPrefixes) {
  EXPECT_DOUBLE_EQ(util::parseDouble("3.5"), 3.5);
  EXPECT_DOUBLE_EQ(util::parseDouble(" -.5x"), -0.5);
  EXPECT_DOUBLE_EQ(util::parseDouble("5."), 5.0);
  EXPECT_DOUBLE_EQ(util::parseDouble("1e3"), 1000.0);
  EXPECT_DOUBLE_EQ(util::parseDouble("1e"), 1.0);  // exponent without digits is not read
  EXPECT_DOUBLE_EQ(util::parseDouble("2E-1z"), 0.2);
  EXPECT_DOUBLE_EQ(util::parseDouble("."), 0.0);
  EXPECT_DOUBLE_EQ(util::parseDouble("\"a\""), 0.0);
}

TEST(ParseDouble, RefusesInfinityNanAndHex) {
  EXPECT_EQ(util::parseDouble("inf"), 0.0);
  EXPECT_EQ(util::parseDouble("nan"), 0.0);
  EXPECT_EQ(util::parseDouble("0x10"), 0.0);  // reads the 0, stops at x
}

TEST(ParseDouble, OutOfRangeLikeStrtod) {
  EXPECT_TRUE(std::isinf(util::parseDouble("1e999")));
  EXPECT_EQ(util::parseDouble("1e-999"), 0.0);
}

TEST(ScanFloat, ReportsWhetherANumberWasThere) {
  float f = 9.0f;
  EXPECT_FALSE(util::scanFloat("x1", f));
  EXPECT_EQ(f, 9.0f);
  ASSERT_TRUE(util::scanFloat(" 0.1", f));
  EXPECT_EQ(f, 0.1f);  // rounded once to float, not through double
}

TEST(NumberPrefixLength, CountsBlanksAndNumber) {
  EXPECT_EQ(util::numberPrefixLength("  12.5abc"), 6u);
  EXPECT_EQ(util::numberPrefixLength("abc"), 0u);
  EXPECT_EQ(util::numberPrefixLength("-"), 0u);
}

TEST(FormatFixed, MatchesPrintfRounding) {
  EXPECT_EQ(util::formatFixed1(7), "7.0");
  EXPECT_EQ(util::formatFixed1(0.05), "0.1");  // 0.05 is just above one twentieth
  EXPECT_EQ(util::formatFixed1(0.25), "0.2");  // exactly halfway: ties to even, as glibc
  EXPECT_EQ(util::formatFixed1(-0.04), "-0.0");
  EXPECT_EQ(util::formatFixed1(1234567), "1234567.0");
  EXPECT_EQ(util::formatFixed0(2.5), "2");
  EXPECT_EQ(util::formatFixed0(3.5), "4");
  EXPECT_EQ(util::formatFixed0(-1.6), "-2");
  EXPECT_EQ(util::formatFixed1(1e300).size(), 303u);
  EXPECT_EQ(util::formatFixed1(std::numeric_limits<double>::infinity()), "inf");
}

}  // namespace
