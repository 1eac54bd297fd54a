// Cleaning: the first loading step. It strips comments, TABs, line ends and most blanks and turns
// ";" into a blank, so that the interpreter only ever sees one compact line of text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace script {

/// Letters A-Z, a-z and digits: the characters a blank must stand between to survive cleaning.
constexpr bool isWordChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

struct CleanedText {
  std::string text;
  /// Offsets in text at which source lines 2, 3, ... begin (ascending); for diagnostics.
  std::vector<std::size_t> lineStarts;

  /// 1-based source line of the cleaned character at offset.
  int lineAt(std::size_t offset) const;
};

/// Cleans a whole script text: "//" comments to the line end (recognised inside string literals
/// too), TABs and CR/LF dropped, a blank kept only between two word characters (outside string
/// literals), ";" turned into a blank everywhere. The result is never longer than source.
CleanedText cleanScriptText(std::string_view source);

/// Cleans a function-name stretch once more with the same rules but without comments.
std::string cleanNameStretch(std::string_view stretch);

}  // namespace script
