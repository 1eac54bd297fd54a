#include "script/loader.h"

#include "script/text_scan.h"

namespace script {
namespace {

constexpr std::string_view kFunctionWord = "function";
constexpr std::size_t kExcerptLength = 60;

// Digits and the characters with codes 65 to 122: letters, [ \ ] ^ _ and the backquote.
bool isFunctionNameChar(char c) {
  const auto code = static_cast<unsigned char>(c);
  return (code >= '0' && code <= '9') || (code >= 65 && code <= 122);
}

bool fail(const CleanedText& cleaned, std::size_t definitionStart, std::size_t faultPos,
          std::string message, ScriptError& error) {
  error.line = cleaned.lineAt(faultPos);
  error.statement = std::string(cleaned.text.substr(definitionStart, kExcerptLength));
  error.message = std::move(message);
  return false;
}

}  // namespace

bool cutIntoFunctions(const CleanedText& cleaned, std::vector<ScriptFunction>& functions,
                      ScriptError& error) {
  const std::string_view text = cleaned.text;
  std::size_t pos = 0;
  while (true) {
    const std::size_t start = text.find(kFunctionWord, pos);
    if (start == std::string_view::npos) return true;
    // "function" and the one blank after it.
    const std::size_t nameStart = start + kFunctionWord.size() + 1;
    const std::size_t open =
        nameStart <= text.size() ? text.find('(', nameStart) : std::string_view::npos;
    if (open == std::string_view::npos) {
      return fail(cleaned, start, start, "function without a parameter list", error);
    }
    const std::string_view stretch = text.substr(nameStart, open - nameStart);
    if (stretch.size() > kMaxFunctionNameLength) {
      return fail(cleaned, start, nameStart, "function name longer than 30 characters", error);
    }
    std::string name = cleanNameStretch(stretch);
    for (const char c : name) {
      if (!isFunctionNameChar(c)) {
        return fail(cleaned, start, nameStart, "invalid character in function name '" + name + "'",
                    error);
      }
    }
    const ArgumentList parameters = readArgumentList(text, open);
    if (parameters.fault != ArgumentListFault::None) {
      return fail(cleaned, start, parameters.faultPos,
                  "malformed parameter list of function '" + name + "'", error);
    }
    const std::size_t brace = skipBlanks(text, parameters.end);
    if (brace >= text.size() || text[brace] != '{') {
      return fail(cleaned, start, brace < text.size() ? brace : parameters.end,
                  "missing '{' after the parameters of function '" + name + "'", error);
    }
    const std::optional<std::size_t> close = findMatching(text, brace, '{', '}');
    if (!close) {
      return fail(cleaned, start, brace, "missing '}' closing function '" + name + "'", error);
    }
    ScriptFunction function;
    function.name = std::move(name);
    function.body = std::string(text.substr(brace + 1, *close - brace - 1));
    function.bodyOffset = brace + 1;
    function.parameters.reserve(parameters.pieces.size());
    for (const std::string_view piece : parameters.pieces)
      function.parameters.emplace_back(piece);
    functions.push_back(std::move(function));
    pos = *close + 1;
  }
}

}  // namespace script
