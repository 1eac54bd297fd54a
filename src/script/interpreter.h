// Interpreter: one run of one script function. The body is executed straight from its cleaned
// text; nothing is compiled or cached, so every run and every loop pass scans the text anew.
//
// Shape of the scan:
//   block      := statement* ; a statement begins with a name
//   statement  := keyword statement (if/else, while, var, global, return)
//               | local-or-global "=" expression-text-up-to-the-next-blank
//               | bare variable name (does nothing) | call
//   expression := operand (operator operand)* ; "*" and "/" chains first, then left to right
//   operand    := "(" expression ")" | numeric literal | "string" | name [argument list]
// Every failure is recorded once, at the innermost point, as a Fault (what and where); the
// enclosing statements just propagate false. Runs nest through calls; each run has its own
// Interpreter and locals.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "script/native_registry.h"
#include "script/script_function.h"
#include "script/variable_table.h"

namespace script {

class ScriptEngine;

/// The reason recorded when a run or an expression nests past the NestingBudget.
inline constexpr const char* kNestingFault =
    "scripts nested too deeply (over 200 runs or 1000 levels)";
/// The reason recorded when loop passes and calls pass the NestingBudget's work bound.
inline constexpr const char* kLoopFault =
    "scripts ran too long (over 1000000 loop passes and calls in one run)";

class Interpreter {
 public:
  struct Fault {
    std::string message;
    const char* where = nullptr;  // position inside the function's body, for the line number
    std::string statement;        // the innermost failing statement's text
  };

  Interpreter(ScriptEngine& engine, ScriptFunction& function, VariableTable& locals);

  /// Runs text (a view into the function's body) as a block. False on failure; fault() says why.
  bool runBlock(std::string_view text);

  const std::optional<Fault>& fault() const { return fault_; }

  /// Records a failure that happened outside the scan (such as an exception).
  void setFault(std::string message, const char* where);

 private:
  struct Operand {
    enum class Kind { Expression, Literal, Native, Script, Variable };
    Kind kind = Kind::Literal;
    std::string_view text;  // inner expression, literal value or name
    std::vector<std::string_view> pieces;
    const NativeRegistry::Entry* native = nullptr;
    ScriptFunction* function = nullptr;
  };

  // Statements (interpreter.cpp).
  bool runStatement(std::string_view text, std::size_t& pos);
  bool runKeyword(std::string_view keyword, std::string_view text, std::size_t& pos);
  bool runIf(std::string_view text, std::size_t& pos);
  bool runWhile(std::string_view text, std::size_t& pos);
  bool runDeclaration(bool global, std::string_view text, std::size_t& pos);
  bool runAssignment(VariableTable& table, std::string_view name, std::string_view text,
                     std::size_t& pos);
  std::optional<std::string_view> readBody(std::string_view text, std::size_t& pos);

  // Expressions (expression.cpp).
  bool parseOperand(std::string_view text, std::size_t& pos, Operand& out);
  bool parseNamedOperand(std::string_view text, std::size_t& pos, Operand& out);
  std::optional<std::string> evaluate(const Operand& operand);
  std::optional<std::string> evaluateOperandAt(std::string_view text, std::size_t& pos);
  std::optional<std::string> evaluateExpression(std::string_view text);
  std::optional<std::string> callNative(const Operand& operand);
  std::optional<std::string> callScript(const Operand& operand);

  bool fail(std::string message, const char* where);
  bool checkNotOverflowed(const char* where);

  ScriptEngine& engine_;
  ScriptFunction& function_;
  VariableTable& locals_;
  NestingBudget& nesting_;
  std::optional<Fault> fault_;
};

}  // namespace script
