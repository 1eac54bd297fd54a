// Operands, expressions and calls of a run.
//
// An expression is first cut into operands and operators without evaluating anything (so a
// missing operator or an unmatched parenthesis fails before any native runs), then evaluated:
// every chain joined by "*" or "/" first, from the left, then the remaining operators strictly
// from left to right over the results.
#include <exception>

#include "script/interpreter.h"
#include "script/script_engine.h"
#include "script/text_scan.h"
#include "script/value_format.h"
#include "util/c_text.h"

namespace script {
namespace {

constexpr std::size_t kLiteralDigits = 6;  // a numeric literal keeps only its first six characters

bool startsNumber(char c) {
  return util::isDigit(c) || c == '.';
}

std::string quoted(std::string_view text) {
  return "'" + std::string(text) + "'";
}

const char* argumentFaultText(ArgumentListFault fault) {
  switch (fault) {
    case ArgumentListFault::None:
      return "";
    case ArgumentListFault::MissingOpen:
      return "missing '(' of the argument list of ";
    case ArgumentListFault::MissingClose:
      return "missing ')' of the argument list of ";
    case ArgumentListFault::PieceTooLong:
      return "argument longer than 1024 characters in call of ";
  }
  return "";
}

}  // namespace

bool Interpreter::parseOperand(std::string_view text, std::size_t& pos, Operand& out) {
  pos = skipBlanks(text, pos);
  const char* where = text.data() + pos;
  if (pos >= text.size()) return fail("missing operand", where);
  const char c = text[pos];
  if (c == '(') {
    const std::optional<std::size_t> close = findMatching(text, pos, '(', ')');
    if (!close) return fail("unmatched '('", where);
    out.kind = Operand::Kind::Expression;
    out.text = text.substr(pos + 1, *close - pos - 1);
    pos = *close + 1;
    return true;
  }
  if (startsNumber(c)) {
    std::size_t end = pos;
    while (end < text.size() && startsNumber(text[end]))
      ++end;
    const std::string_view literal = text.substr(pos, std::min(end - pos, kLiteralDigits));
    // Zero must be written exactly "0": 0.0, 00 and a lone point are malformed.
    if (util::parseDouble(literal) == 0.0 && literal != "0") {
      return fail("malformed number " + quoted(text.substr(pos, end - pos)), where);
    }
    out.kind = Operand::Kind::Literal;
    out.text = literal;
    pos = end;
    return true;
  }
  if (c == '"') {
    const std::size_t close = text.find('"', pos + 1);
    if (close == std::string_view::npos) return fail("unterminated string literal", where);
    out.kind = Operand::Kind::Literal;
    out.text = text.substr(pos + 1, close - pos - 1);
    pos = close + 1;
    return true;
  }
  return parseNamedOperand(text, pos, out);
}

bool Interpreter::parseNamedOperand(std::string_view text, std::size_t& pos, Operand& out) {
  const std::size_t start = skipBlanks(text, pos);
  const char* where = text.data() + start;
  const std::optional<std::string_view> name = readName(text, pos);
  if (!name) return fail("name longer than 31 characters", where);
  if (name->empty()) return fail("missing name", where);
  out.text = *name;
  // Natives come first, then this script's functions; anything else must be a variable.
  out.native = engine_.registry_.FindNative(*name);
  out.function = out.native == nullptr ? engine_.findFunction(*name) : nullptr;
  if (out.native == nullptr && out.function == nullptr) {
    // A variable can't be called; an unknown name with an argument list is a missing function.
    if (pos < text.size() && text[pos] == '(' && !locals_.HasVariable(*name) &&
        !engine_.globals_.HasVariable(*name)) {
      return fail("undefined name " + quoted(*name), where);
    }
    out.kind = Operand::Kind::Variable;
    return true;
  }
  out.kind = out.native != nullptr ? Operand::Kind::Native : Operand::Kind::Script;
  ArgumentList list = readArgumentList(text, pos);
  if (list.fault != ArgumentListFault::None) {
    return fail(argumentFaultText(list.fault) + quoted(*name), text.data() + list.faultPos);
  }
  out.pieces = std::move(list.pieces);
  pos = list.end;
  return true;
}

std::optional<std::string> Interpreter::evaluate(const Operand& operand) {
  switch (operand.kind) {
    case Operand::Kind::Expression:
      return evaluateExpression(operand.text);
    case Operand::Kind::Literal:
      return std::string(operand.text);
    case Operand::Kind::Native:
      return callNative(operand);
    case Operand::Kind::Script:
      return callScript(operand);
    case Operand::Kind::Variable: {
      std::optional<std::string> value = locals_.GetVariable(operand.text);
      if (!value) value = engine_.globals_.GetVariable(operand.text);
      if (!value) fail("undefined name " + quoted(operand.text), operand.text.data());
      return value;
    }
  }
  return std::nullopt;
}

std::optional<std::string> Interpreter::evaluateOperandAt(std::string_view text, std::size_t& pos) {
  Operand operand;
  if (!parseOperand(text, pos, operand)) return std::nullopt;
  return evaluate(operand);
}

std::optional<std::string> Interpreter::evaluateExpression(std::string_view text) {
  if (!nesting_.enterLevel()) {
    fail(kNestingFault, text.data());
    return std::nullopt;
  }
  struct LeaveLevel {
    NestingBudget& budget;
    ~LeaveLevel() { budget.leaveLevel(); }
  } leave{nesting_};

  std::vector<Operand> operands;
  std::vector<Operator> operators;
  std::size_t pos = 0;
  while (true) {
    Operand& operand = operands.emplace_back();
    if (!parseOperand(text, pos, operand)) {
      if (fault_ && operands.size() == 1 && skipBlanks(text, 0) >= text.size()) {
        fault_->message = "empty expression";
      }
      return std::nullopt;
    }
    if (pos >= text.size()) break;
    Operator op{};
    const std::size_t length = matchOperator(text, pos, op);
    if (length == 0) {
      fail("expected an operator before " + quoted(text.substr(pos, 20)), text.data() + pos);
      return std::nullopt;
    }
    operators.push_back(op);
    pos += length;
  }
  if (operators.empty()) return evaluate(operands.front());

  // values[i] holds the result of the "*"/"/" chain starting at operand i once computed;
  // chainEnd[i] is the last operand of the chain starting at i.
  const std::size_t count = operands.size();
  std::vector<std::optional<std::string>> values(count);
  std::vector<std::size_t> chainEnd(count);
  for (std::size_t i = 0; i < count;) {
    std::size_t j = i;
    while (j < operators.size() && isMultiplicative(operators[j]))
      ++j;
    chainEnd[i] = j;
    if (j > i) {
      std::optional<std::string> acc = evaluate(operands[i]);
      if (!acc) return std::nullopt;
      for (std::size_t k = i; k < j; ++k) {
        const std::optional<std::string> right = evaluate(operands[k + 1]);
        if (!right) return std::nullopt;
        acc = applyOperator(operators[k], *acc, *right);
      }
      values[i] = std::move(acc);
    }
    i = j + 1;
  }
  auto groupValue = [&](std::size_t i) -> std::optional<std::string> {
    if (values[i]) return std::move(values[i]);
    return evaluate(operands[i]);
  };
  std::optional<std::string> result = groupValue(0);
  if (!result) return std::nullopt;
  for (std::size_t i = chainEnd[0] + 1; i < count; i = chainEnd[i] + 1) {
    const std::optional<std::string> right = groupValue(i);
    if (!right) return std::nullopt;
    result = applyOperator(operators[i - 1], *result, *right);
  }
  return result;
}

std::optional<std::string> Interpreter::callNative(const Operand& operand) {
  std::vector<std::string> arguments;
  arguments.reserve(operand.pieces.size() + 1);
  for (const std::string_view piece : operand.pieces) {
    std::optional<std::string> value = evaluateExpression(piece);
    if (!value) return std::nullopt;
    arguments.push_back(std::move(*value));
  }
  arguments.push_back(engine_.scriptName_);
  std::optional<std::string> result;
  try {
    result = operand.native->function(arguments);
  } catch (const std::exception& e) {
    fail("native " + quoted(operand.text) + " failed: " + e.what(), operand.text.data());
    return std::nullopt;
  } catch (...) {
    fail("native " + quoted(operand.text) + " failed", operand.text.data());
    return std::nullopt;
  }
  if (!checkNotOverflowed(operand.text.data())) return std::nullopt;
  return result ? std::move(result) : std::optional<std::string>("0");
}

std::optional<std::string> Interpreter::callScript(const Operand& operand) {
  ScriptFunction& callee = *operand.function;
  // A count mismatch skips the callee silently; the call gives "0".
  if (operand.pieces.size() != callee.parameters.size()) return std::string("0");
  // Script functions receive the argument texts as written, unevaluated.
  std::vector<std::string> arguments(operand.pieces.begin(), operand.pieces.end());
  const bool ok = engine_.runFunction(callee, arguments);
  if (!checkNotOverflowed(operand.text.data())) return std::nullopt;
  if (!ok || !callee.pendingReturn) return std::string("0");
  return callee.pendingReturn;
}

}  // namespace script
