// Text and number conversions with the semantics of the C library calls the game's data and
// scripts were written against (atoi, atof, sscanf "%f", sprintf "%.1f" and "%1.0f"), but
// locale-free, bounded and total: every input gives a defined result and nothing is read past
// the end of the view.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace util {

/// atoi: skips leading blanks, reads an optional sign and decimal digits, stops at the first
/// other character. No digits gives 0. Values beyond the 32-bit range saturate.
std::int32_t parseInt(std::string_view text);

/// atof / strtod: skips leading blanks, reads the longest decimal number prefix (sign, digits,
/// optional fraction, optional exponent). No number gives 0.0. "inf", "nan" and hexadecimal
/// forms are not numbers here. Overflow gives +-HUGE_VAL as strtod does.
double parseDouble(std::string_view text);

/// sscanf "%f": the same prefix as parseDouble, rounded once, directly to single precision.
/// Returns false (and leaves out untouched) when no number is there, as sscanf returns 0.
bool scanFloat(std::string_view text, float& out);

/// Length of the number prefix parseDouble would read after the leading blanks, plus those
/// blanks; 0 when the text does not start with a number.
std::size_t numberPrefixLength(std::string_view text);

/// sprintf "%.Nf" for N = precision (0..17): fixed notation, correctly rounded, "-" for
/// negative values including -0.0, "inf"/"nan" for those values.
std::string formatFixed(double value, int precision);

/// sprintf "%.1f": the format of every arithmetic result in scripts.
inline std::string formatFixed1(double value) {
  return formatFixed(value, 1);
}

/// sprintf "%1.0f": no decimals (the width of 1 never pads).
inline std::string formatFixed0(double value) {
  return formatFixed(value, 0);
}

/// True for the characters isspace() accepts in the C locale.
constexpr bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace util
