#include "script/text_scan.h"

#include "script/cleaner.h"

namespace script {

std::size_t skipBlanks(std::string_view text, std::size_t pos) {
  while (pos < text.size() && text[pos] == ' ')
    ++pos;
  return pos;
}

std::optional<std::string_view> readName(std::string_view text, std::size_t& pos) {
  std::size_t start = skipBlanks(text, pos);
  if (start >= text.size()) {
    pos = start;
    return std::string_view{};
  }
  std::size_t end = start + 1;
  while (end < text.size() && isWordChar(text[end]))
    ++end;
  if (end - start > kMaxNameLength) return std::nullopt;
  pos = end;
  return text.substr(start, end - start);
}

std::optional<std::size_t> findMatching(std::string_view text, std::size_t openPos, char open,
                                        char close) {
  std::size_t depth = 0;
  for (std::size_t i = openPos; i < text.size(); ++i) {
    if (text[i] == open) {
      ++depth;
    } else if (text[i] == close) {
      if (depth == 0) return std::nullopt;  // openPos did not hold an open character
      if (--depth == 0) return i;
    }
  }
  return std::nullopt;
}

std::size_t findBlankOutsideStrings(std::string_view text, std::size_t pos) {
  bool inString = false;
  for (; pos < text.size(); ++pos) {
    if (text[pos] == '"') {
      inString = !inString;
    } else if (text[pos] == ' ' && !inString) {
      return pos;
    }
  }
  return text.size();
}

ArgumentList readArgumentList(std::string_view text, std::size_t pos) {
  ArgumentList list;
  bool inString = false;
  std::size_t open = text.size();
  for (std::size_t i = pos; i < text.size(); ++i) {
    if (text[i] == '"') {
      inString = !inString;
    } else if (text[i] == '(' && !inString) {
      open = i;
      break;
    }
  }
  if (open == text.size()) {
    list.fault = ArgumentListFault::MissingOpen;
    list.faultPos = pos;
    return list;
  }
  std::size_t depth = 0;
  std::size_t pieceStart = open + 1;
  inString = false;
  auto addPiece = [&](std::size_t end) {
    if (end - pieceStart > kMaxArgumentLength) {
      list.fault = ArgumentListFault::PieceTooLong;
      list.faultPos = pieceStart;
      return false;
    }
    if (end > pieceStart) list.pieces.push_back(text.substr(pieceStart, end - pieceStart));
    pieceStart = end + 1;
    return true;
  };
  for (std::size_t i = open + 1; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') {
      inString = !inString;
    } else if (inString) {
      continue;
    } else if (c == '(') {
      ++depth;
    } else if (c == ')') {
      if (depth == 0) {
        if (!addPiece(i)) return list;
        list.end = i + 1;
        return list;
      }
      --depth;
    } else if (c == ',' && depth == 0) {
      if (!addPiece(i)) return list;
    }
  }
  list.fault = ArgumentListFault::MissingClose;
  list.faultPos = open;
  list.pieces.clear();
  return list;
}

}  // namespace script
