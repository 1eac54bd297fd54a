#include "game/modes/level_list.h"

#include <algorithm>
#include <cstddef>

#include "util/c_text.h"

namespace game {
namespace {

// sscanf "%d": blanks, an optional sign, at least one digit. Advances pos past the number.
bool scanInt(std::string_view text, std::size_t& pos, int& out) {
  std::size_t i = pos;
  while (i < text.size() && util::isBlank(text[i]))
    ++i;
  std::size_t digits = i;
  if (digits < text.size() && (text[digits] == '-' || text[digits] == '+')) ++digits;
  std::size_t end = digits;
  while (end < text.size() && util::isDigit(text[end]))
    ++end;
  if (end == digits) return false;
  out = util::parseInt(text.substr(i, end - i));
  pos = end;
  return true;
}

}  // namespace

std::vector<RelayLevel> ParseLevelList(std::string_view text) {
  std::vector<RelayLevel> levels;
  std::size_t pos = 0;
  int count = 0;
  if (!scanInt(text, pos, count) || count <= 0) return levels;
  while (static_cast<int>(levels.size()) < count) {
    // Each level starts after the next line feed.
    const std::size_t newline = text.find('\n', pos);
    if (newline == std::string_view::npos) break;
    pos = newline + 1;
    RelayLevel level;
    std::size_t at = pos;
    if (!scanInt(text, at, level.targetMetres) || at >= text.size() || text[at] != ',') break;
    ++at;
    if (!scanInt(text, at, level.goos)) break;
    if (level.targetMetres <= 0) break;
    level.goos = std::max(level.goos, 0);
    levels.push_back(level);
  }
  return levels;
}

}  // namespace game
