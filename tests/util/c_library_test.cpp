// The C library's behaviours the port keeps: reading and writing numbers, and the random
// sequence.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "util/c_text.h"
#include "util/random.h"

namespace {

TEST(ParseInt, ReadsLeadingNumberLikeAtoiAndSaturates) {
  const std::pair<std::string_view, int> cases[] = {{"42", 42}, {"  -17abc", -17}, {"+8", 8},
                                                    {"3.9", 3}, {"", 0},           {"abc", 0},
                                                    {"- 5", 0}, {"\t\n 7", 7}};
  for (const auto& [text, value] : cases)
    EXPECT_EQ(util::parseInt(text), value) << text;
  EXPECT_EQ(util::parseInt("99999999999999999999"), INT32_MAX);
  EXPECT_EQ(util::parseInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(util::parseInt("-99999999999999999999"), INT32_MIN);
  EXPECT_EQ(util::parseInt(std::string_view("12345").substr(0, 2)), 12);  // never past the view
}

TEST(ParseDouble, ReadsDecimalPrefixesOnly) {
  const std::pair<std::string_view, double> cases[] = {
      {"3.5", 3.5}, {" -.5x", -0.5}, {"5.", 5.0},  {"1e3", 1000.0}, {"1e", 1.0},   {"2E-1z", 0.2},
      {".", 0.0},   {"\"a\"", 0.0},  {"inf", 0.0}, {"nan", 0.0},    {"0x10", 0.0}, {"1e-999", 0.0}};
  for (const auto& [text, value] : cases)
    EXPECT_DOUBLE_EQ(util::parseDouble(text), value) << text;
  EXPECT_TRUE(std::isinf(util::parseDouble("1e999")));
}

TEST(ScanFloat, ReportsWhetherANumberWasThere) {
  float f = 9.0f;
  EXPECT_FALSE(util::scanFloat("x1", f));
  EXPECT_EQ(f, 9.0f);
  ASSERT_TRUE(util::scanFloat(" 0.1", f));
  EXPECT_EQ(f, 0.1f);  // rounded once to float, not through double
  EXPECT_EQ(util::numberPrefixLength("  12.5abc"), 6u);
  EXPECT_EQ(util::numberPrefixLength("-"), 0u);
}

TEST(FormatFixed, MatchesPrintfRounding) {
  // 0.05 is just above one twentieth; an exact half goes to the even digit, as glibc does.
  const std::pair<double, std::string_view> oneDecimal[] = {
      {7, "7.0"}, {0.05, "0.1"}, {0.25, "0.2"}, {-0.04, "-0.0"}, {1234567, "1234567.0"}};
  for (const auto& [value, text] : oneDecimal)
    EXPECT_EQ(util::formatFixed1(value), text) << value;
  for (const auto& [value, text] : {std::pair(2.5, "2"), {3.5, "4"}, {-1.6, "-2"}})
    EXPECT_EQ(util::formatFixed0(value), text) << value;
  EXPECT_EQ(util::formatFixed1(1e300).size(), 303u);
  EXPECT_EQ(util::formatFixed1(std::numeric_limits<double>::infinity()), "inf");
}

// The classic C-library sequence: the first values for seed 1 are fixed, and every value
// stays within 0..32767, so formulas scaling by 32767 behave as they did on the device.
TEST(Random, ReproducesClassicSequenceInRange) {
  util::Random random(1);
  for (const int expected : {41, 18467, 6334, 26500})
    EXPECT_EQ(random.next(), expected);
  int highest = 0;
  for (int i = 0; i < 100000; ++i) {
    const int v = random.next();
    ASSERT_GE(v, 0);
    highest = std::max(highest, v);
  }
  EXPECT_EQ(highest, util::Random::kMax);
  random.seed(1);
  EXPECT_EQ(random.next(), 41);
}

}  // namespace
