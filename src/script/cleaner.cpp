#include "script/cleaner.h"

#include <algorithm>

namespace script {
namespace {

// The shared character rules; "before" and "after" are always source characters.
void clean(std::string_view source, bool withComments, CleanedText& out) {
  out.text.reserve(source.size());
  bool inComment = false;
  bool inString = false;
  const std::size_t size = source.size();
  for (std::size_t i = 0; i < size; ++i) {
    const char c = source[i];
    const char after = i + 1 < size ? source[i + 1] : '\0';
    if (withComments && c == '/' && after == '/') {
      inComment = true;
      continue;
    }
    if (c == '\t') continue;
    if (c == '\r' || c == '\n') {
      // Count LF, and a CR not followed by LF, as the end of a source line.
      if (c == '\n' || after != '\n') out.lineStarts.push_back(out.text.size());
      inComment = false;
      continue;
    }
    if (inComment) continue;
    if (c == '"') {
      inString = !inString;
      out.text.push_back(c);
      continue;
    }
    if (c == ' ' && !inString) {
      const bool last = i + 1 == size;
      const bool afterWord = i == 0 || isWordChar(source[i - 1]);
      if (last || !afterWord || !isWordChar(after)) continue;
      out.text.push_back(' ');
      continue;
    }
    out.text.push_back(c == ';' ? ' ' : c);
  }
}

}  // namespace

int CleanedText::lineAt(std::size_t offset) const {
  // A line end recorded at offset o means the character at o belongs to the next line.
  const auto it = std::upper_bound(lineStarts.begin(), lineStarts.end(), offset);
  return static_cast<int>(it - lineStarts.begin()) + 1;
}

CleanedText cleanScriptText(std::string_view source) {
  CleanedText out;
  clean(source, true, out);
  return out;
}

std::string cleanNameStretch(std::string_view stretch) {
  CleanedText out;
  clean(stretch, false, out);
  return std::move(out.text);
}

}  // namespace script
