#include "util/c_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>

// Standard libraries without floating-point <charconv> (the browser build's libc++) read and
// write numbers with the C library instead; that build runs in the "C" locale only.
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
#define QV_FLOAT_CHARCONV 1
#else
#define QV_FLOAT_CHARCONV 0
#endif

namespace util {
namespace {

std::size_t skipBlanks(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i]))
    ++i;
  return i;
}

// Length of the decimal number at the start of text (no leading blanks), 0 if there is none.
// The grammar is strtod's decimal form: [+-] digits [. digits] [(e|E) [+-] digits], with at
// least one digit in the mantissa; an exponent without digits is not part of the number.
std::size_t decimalLength(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && isDigit(text[i]))
    ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && isDigit(text[i]))
      ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && isDigit(text[j])) {
      while (j < text.size() && isDigit(text[j]))
        ++j;
      i = j;
    }
  }
  return i;
}

template <typename Float>
bool parsePrefix(std::string_view text, Float& out) {
  const std::size_t start = skipBlanks(text);
  std::string_view rest = text.substr(start);
  const std::size_t length = decimalLength(rest);
  if (length == 0) return false;
  std::string_view number = rest.substr(0, length);
  bool negative = false;
  if (number.front() == '+' || number.front() == '-') {
    negative = number.front() == '-';
    number.remove_prefix(1);
  }
  Float value{};
#if QV_FLOAT_CHARCONV
  const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                         std::chars_format::general);
  (void)end;
  const bool outOfRange = ec == std::errc::result_out_of_range;
#else
  const std::string copy(number);
  const double read = std::strtod(copy.c_str(), nullptr);
  const bool outOfRange = std::isinf(read) || std::fabs(read) > std::numeric_limits<Float>::max() ||
                          (read != 0 && std::fabs(read) < std::numeric_limits<Float>::min());
  value = static_cast<Float>(read);
#endif
  if (outOfRange) {
    // from_chars leaves the value alone on range errors; strtod gives HUGE_VAL or a zero.
    bool tiny = false;
    const std::size_t e = number.find_first_of("eE");
    if (e != std::string_view::npos && e + 1 < number.size() && number[e + 1] == '-') tiny = true;
    value = tiny ? Float(0) : std::numeric_limits<Float>::infinity();
  }
  out = negative ? -value : value;
  return true;
}

}  // namespace

std::int32_t parseInt(std::string_view text) {
  std::size_t i = skipBlanks(text);
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  std::int64_t value = 0;
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  for (; i < text.size() && isDigit(text[i]); ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > kLimit) value = kLimit;  // keep reading digits, but saturate
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max())
    return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value);
}

double parseDouble(std::string_view text) {
  double value = 0.0;
  return parsePrefix(text, value) ? value : 0.0;
}

bool scanFloat(std::string_view text, float& out) {
  return parsePrefix(text, out);
}

std::size_t numberPrefixLength(std::string_view text) {
  const std::size_t start = skipBlanks(text);
  const std::size_t length = decimalLength(text.substr(start));
  return length == 0 ? 0 : start + length;
}

std::string formatFixed(double value, int precision) {
  if (precision < 0) precision = 0;
  if (precision > 17) precision = 17;
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  char buffer[400];  // the largest double in fixed notation has 309 digits
#if QV_FLOAT_CHARCONV
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
  if (ec != std::errc{}) return "0";
  return std::string(buffer, end);
#else
  const int length = std::snprintf(buffer, sizeof buffer, "%.*f", precision, value);
  if (length < 0 || length >= static_cast<int>(sizeof buffer)) return "0";
  return std::string(buffer, static_cast<std::size_t>(length));
#endif
}

}  // namespace util
