// qvtool natives: the four native tables scripts can call, in the order the game registers
// them, one name a line under a "[TITLE]" heading per table. The list comes from registering
// the tables the way the game does, so it can't drift from the game.
#include <cstdio>

#include "app/application.h"
#include "qvtool/verbs.h"

namespace qvtool {

int runNatives(Args args) {
  if (!args.empty()) {
    std::fprintf(stderr, "usage: qvtool natives\n");
    return 2;
  }
  const auto tables = app::Application::DescribeNativeTables();
  for (std::size_t t = 0; t < tables.size(); ++t) {
    std::printf("%s[%s]\n", t == 0 ? "" : "\n", tables[t].title.c_str());
    for (const auto& name : tables[t].names)
      std::printf("%s\n", name.c_str());
  }
  return tables.size() == 4 ? 0 : 1;
}

}  // namespace qvtool
