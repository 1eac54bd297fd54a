// Blocks and statements of a run. Expressions and calls are in expression.cpp.
#include "script/interpreter.h"

#include "script/script_engine.h"
#include "script/text_scan.h"
#include "script/value_format.h"

namespace script {
namespace {

constexpr std::size_t kStatementExcerptLength = 60;

// Holds one nesting level for the lifetime of a scope.
class LevelGuard {
 public:
  explicit LevelGuard(NestingBudget& budget) : budget_(budget), entered_(budget.enterLevel()) {}
  ~LevelGuard() {
    if (entered_) budget_.leaveLevel();
  }
  LevelGuard(const LevelGuard&) = delete;
  LevelGuard& operator=(const LevelGuard&) = delete;
  bool entered() const { return entered_; }

 private:
  NestingBudget& budget_;
  bool entered_;
};

std::string excerptAt(std::string_view text, std::size_t pos) {
  std::size_t end = findBlankOutsideStrings(text, pos);
  if (end - pos > kStatementExcerptLength) end = pos + kStatementExcerptLength;
  return std::string(text.substr(pos, end - pos));
}

}  // namespace

Interpreter::Interpreter(ScriptEngine& engine, ScriptFunction& function, VariableTable& locals)
    : engine_(engine),
      function_(function),
      locals_(locals),
      nesting_(engine.registry().nesting()) {}

void Interpreter::setFault(std::string message, const char* where) {
  if (!fault_) fault_ = Fault{std::move(message), where, {}};
}

bool Interpreter::fail(std::string message, const char* where) {
  setFault(std::move(message), where);
  return false;
}

bool Interpreter::checkNotOverflowed(const char* where) {
  if (!nesting_.overflowed()) return true;
  return fail(kLoopFault, where);
}

bool Interpreter::runBlock(std::string_view text) {
  LevelGuard level(nesting_);
  if (!level.entered()) return fail(kNestingFault, text.data());
  std::size_t pos = 0;
  while (true) {
    pos = skipBlanks(text, pos);
    if (pos >= text.size()) return true;
    const std::size_t start = pos;
    if (!checkNotOverflowed(text.data() + pos) || !runStatement(text, pos)) {
      if (fault_ && fault_->statement.empty()) fault_->statement = excerptAt(text, start);
      return false;
    }
  }
}

bool Interpreter::runStatement(std::string_view text, std::size_t& pos) {
  const std::size_t start = pos;
  const std::optional<std::string_view> word = readName(text, pos);
  if (!word) return fail("name longer than 31 characters", text.data() + start);
  if (*word == "if" || *word == "return" || *word == "var" || *word == "while" ||
      *word == "global") {
    if (!runKeyword(*word, text, pos)) return false;
    if (function_.pendingReturn) pos = text.size();  // a return ends the block at once
    return true;
  }
  if (locals_.HasVariable(*word)) return runAssignment(locals_, *word, text, pos);
  if (engine_.globals_.HasVariable(*word)) return runAssignment(engine_.globals_, *word, text, pos);
  // Anything else is a call; its value is dropped.
  pos = start;
  Operand call;
  if (!parseNamedOperand(text, pos, call)) return false;
  return evaluate(call).has_value();
}

bool Interpreter::runKeyword(std::string_view keyword, std::string_view text, std::size_t& pos) {
  function_.pendingReturn.reset();
  if (keyword == "return") {
    std::optional<std::string> value = evaluateOperandAt(text, pos);
    if (!value) return false;
    function_.pendingReturn = std::move(*value);
    return true;
  }
  if (keyword == "if") return runIf(text, pos);
  if (keyword == "while") return runWhile(text, pos);
  return runDeclaration(keyword == "global", text, pos);
}

bool Interpreter::runIf(std::string_view text, std::size_t& pos) {
  const std::optional<std::string> condition = evaluateOperandAt(text, pos);
  if (!condition) return false;
  const std::optional<std::string_view> thenPart = readBody(text, pos);
  if (!thenPart) return false;
  std::optional<std::string_view> elsePart;
  std::size_t ahead = pos;
  const std::optional<std::string_view> next = readName(text, ahead);
  if (next && *next == "else") {
    pos = ahead;
    elsePart = readBody(text, pos);
    if (!elsePart) return false;
  }
  if (isTrue(*condition)) return runBlock(*thenPart);
  if (elsePart) return runBlock(*elsePart);
  return true;
}

bool Interpreter::runWhile(std::string_view text, std::size_t& pos) {
  const std::size_t conditionPos = pos;
  std::optional<std::string> condition = evaluateOperandAt(text, pos);
  if (!condition) return false;
  const std::optional<std::string_view> body = readBody(text, pos);
  if (!body) return false;
  while (isTrue(*condition)) {
    if (!nesting_.countLoopPass()) return fail(kLoopFault, text.data() + conditionPos);
    if (!runBlock(*body)) {
      // A failing pass ends the loop quietly, unless the whole run is being unwound.
      if (nesting_.overflowed()) return false;
      fault_.reset();
      break;
    }
    std::size_t again = conditionPos;
    condition = evaluateOperandAt(text, again);
    if (!condition) return false;
  }
  return true;
}

bool Interpreter::runDeclaration(bool global, std::string_view text, std::size_t& pos) {
  const std::size_t start = pos;
  const std::optional<std::string_view> name = readName(text, pos);
  const char* where = text.data() + start;
  if (!name) return fail("name longer than 31 characters", where);
  const char* keyword = global ? "global" : "var";
  if (name->empty()) return fail(std::string(keyword) + " without a name", where);
  VariableTable& table = global ? engine_.globals_ : locals_;
  if (!table.DeclareVariable(*name)) {
    return fail(std::string(keyword) + " '" + std::string(*name) + "' is declared already", where);
  }
  return true;
}

bool Interpreter::runAssignment(VariableTable& table, std::string_view name, std::string_view text,
                                std::size_t& pos) {
  if (pos >= text.size() || text[pos] != '=') return true;  // a bare name does nothing
  const std::size_t start = skipBlanks(text, pos + 1);
  const std::size_t end = findBlankOutsideStrings(text, start);
  pos = end;
  std::optional<std::string> value = evaluateExpression(text.substr(start, end - start));
  if (!value) return false;
  table.SetVariable(name, *value);
  return true;
}

std::optional<std::string_view> Interpreter::readBody(std::string_view text, std::size_t& pos) {
  pos = skipBlanks(text, pos);
  if (pos < text.size() && text[pos] == '{') {
    const std::optional<std::size_t> close = findMatching(text, pos, '{', '}');
    if (!close) {
      fail("missing '}'", text.data() + pos);
      return std::nullopt;
    }
    const std::string_view body = text.substr(pos + 1, *close - pos - 1);
    pos = *close + 1;
    return body;
  }
  const std::size_t end = findBlankOutsideStrings(text, pos);
  const std::string_view body = text.substr(pos, end - pos);
  pos = end;
  return body;
}

}  // namespace script
