#include "script/value_format.h"

#include "util/c_text.h"

namespace script {
namespace {

float readSingle(std::string_view text) {
  return static_cast<float>(util::parseDouble(text));
}

std::string truthText(bool value) {
  return util::formatFixed0(value ? 1.0 : 0.0);
}

// "%f" read into a float preset to -1000000; that value afterwards means "not a number".
bool readForEquality(std::string_view text, float& out) {
  constexpr float kNotNumeric = -1000000.0f;
  out = kNotNumeric;
  util::scanFloat(text, out);
  return out != kNotNumeric;
}

}  // namespace

std::size_t matchOperator(std::string_view text, std::size_t pos, Operator& op) {
  if (pos >= text.size()) return 0;
  const char c = text[pos];
  const char next = pos + 1 < text.size() ? text[pos + 1] : '\0';
  switch (c) {
    case '*':
      op = Operator::Multiply;
      return 1;
    case '/':
      op = Operator::Divide;
      return 1;
    case '+':
      op = Operator::Add;
      return 1;
    case '-':
      op = Operator::Subtract;
      return 1;
    case '$':
      if (next != '+') return 0;
      op = Operator::Concatenate;
      return 2;
    case '=':
      if (next != '=') return 0;
      op = Operator::Equal;
      return 2;
    case '<':
      if (next == '=') {
        op = Operator::LessEqual;
        return 2;
      }
      op = Operator::Less;
      return 1;
    case '>':
      if (next == '=') {
        op = Operator::GreaterEqual;
        return 2;
      }
      op = Operator::Greater;
      return 1;
    case '&':
      if (next != '&') return 0;
      op = Operator::And;
      return 2;
    case '|':
      if (next != '|') return 0;
      op = Operator::Or;
      return 2;
    default:
      return 0;
  }
}

std::string applyOperator(Operator op, std::string_view left, std::string_view right) {
  switch (op) {
    case Operator::Multiply:
      return util::formatFixed1(static_cast<double>(readSingle(left) * readSingle(right)));
    case Operator::Divide:
      return util::formatFixed1(static_cast<double>(readSingle(left) / readSingle(right)));
    case Operator::Add:
      return util::formatFixed1(static_cast<double>(readSingle(left) + readSingle(right)));
    case Operator::Subtract:
      return util::formatFixed1(static_cast<double>(readSingle(left) - readSingle(right)));
    case Operator::Concatenate: {
      std::string joined;
      joined.reserve(left.size() + right.size());
      joined.append(left).append(right);
      return joined;
    }
    case Operator::Equal: {
      float a = 0.0f;
      float b = 0.0f;
      const bool aNumeric = readForEquality(left, a);
      const bool bNumeric = readForEquality(right, b);
      if (aNumeric && bNumeric) return truthText(a == b);
      return truthText(left == right);
    }
    case Operator::Less:
      return truthText(util::parseDouble(left) < util::parseDouble(right));
    case Operator::Greater:
      return truthText(util::parseDouble(left) > util::parseDouble(right));
    case Operator::LessEqual:
      return truthText(util::parseDouble(left) <= util::parseDouble(right));
    case Operator::GreaterEqual:
      return truthText(util::parseDouble(left) >= util::parseDouble(right));
    case Operator::And:
      return truthText(util::parseInt(left) != 0 && util::parseInt(right) != 0);
    case Operator::Or:
      return truthText(util::parseInt(left) != 0 || util::parseInt(right) != 0);
  }
  return "0";
}

bool isTrue(std::string_view value) {
  return util::parseDouble(value) != 0.0;
}

}  // namespace script
