// Values and operators. Every script value is text; numbers are read from it with the C
// library's conversions and written back in the script language's fixed formats: arithmetic
// results with one decimal ("%.1f"), comparisons and logic as 1 or 0 ("%1.0f").
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace script {

enum class Operator {
  Multiply,      // *
  Divide,        // /
  Add,           // +
  Subtract,      // -
  Concatenate,   // $+
  Equal,         // ==
  Less,          // <
  Greater,       // >
  LessEqual,     // <=
  GreaterEqual,  // >=
  And,           // &&
  Or,            // ||
};

/// True for "*" and "/", which bind tighter than every other operator.
constexpr bool isMultiplicative(Operator op) {
  return op == Operator::Multiply || op == Operator::Divide;
}

/// Matches an operator at pos (the longer one where two match) and returns its length in
/// characters, or 0 when none is there.
std::size_t matchOperator(std::string_view text, std::size_t pos, Operator& op);

/// Applies op to two values:
///  * / + - : each side by atof, narrowed to float, computed in float, written "%.1f";
///  $+      : the texts joined;
///  ==      : numeric equality when both sides read with "%f" (starting from -1000000, which
///            counts as "not numeric"), otherwise text identity;
///  < > <= >=: atof of both sides compared in double;
///  && ||   : atoi of both sides.
std::string applyOperator(Operator op, std::string_view left, std::string_view right);

/// A condition's truth: the value read by atof is not zero.
bool isTrue(std::string_view value);

}  // namespace script
