// The relay levels of "towerace.lst": the first line gives the number of levels, each further
// line one level as "target,goos" (target height in whole metres, goos for the level).
#pragma once

#include <string_view>
#include <vector>

namespace game {

struct RelayLevel {
  int targetMetres = 0;
  int goos = 0;
};

/// Reads a level list. Lines beyond the stated count are ignored; a file with fewer level lines
/// gives the levels it has. Reading also stops at a line that is not two numbers or whose
/// target is not positive (a level without a target height can't be passed or failed), and a
/// negative goo count is read as 0. An empty or unreadable text gives no levels.
std::vector<RelayLevel> ParseLevelList(std::string_view text);

}  // namespace game
