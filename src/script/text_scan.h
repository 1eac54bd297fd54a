// Scanning primitives over cleaned script text, shared by the loader and the interpreter. Every
// function takes a view and a position inside it and never reads outside the view; a position
// at or past the end means "end of text".
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace script {

constexpr std::size_t kMaxNameLength = 31;        // longer names can't be read
constexpr std::size_t kMaxArgumentLength = 1024;  // longer argument pieces fail the call

/// Position of the first character at or after pos that is not a blank (' ').
std::size_t skipBlanks(std::string_view text, std::size_t pos);

/// Reads a name: blanks are skipped, the next character is taken whatever it is, then the
/// letters and digits that follow. Advances pos past it. Empty at the end of the text; nothing
/// (pos unchanged) when the name would be longer than kMaxNameLength.
std::optional<std::string_view> readName(std::string_view text, std::size_t& pos);

/// Position of the close character matching the open character at openPos, counting nested
/// pairs; string literals are not considered. Nothing when unmatched.
std::optional<std::size_t> findMatching(std::string_view text, std::size_t openPos, char open,
                                        char close);

/// Position of the next blank outside string literals at or after pos, or text.size().
std::size_t findBlankOutsideStrings(std::string_view text, std::size_t pos);

enum class ArgumentListFault {
  None,
  MissingOpen,   // no "(" outside string literals
  MissingClose,  // no matching ")"
  PieceTooLong,  // a piece longer than kMaxArgumentLength
};

struct ArgumentList {
  std::vector<std::string_view> pieces;  // views into the scanned text, empty pieces skipped
  std::size_t end = 0;                   // position just after the closing ")"
  ArgumentListFault fault = ArgumentListFault::None;
  std::size_t faultPos = 0;  // where the fault was found
};

/// Reads an argument list: the first "(" outside string literals at or after pos opens it, the
/// matching ")" (parentheses in string literals don't count) closes it, and the text between is
/// cut at commas outside string literals and nested parentheses.
ArgumentList readArgumentList(std::string_view text, std::size_t pos);

}  // namespace script
