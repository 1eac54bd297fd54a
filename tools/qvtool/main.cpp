// qvtool: archive, picture, font, script and headless-run tools over the game's engine.
#include <cstdio>
#include <string_view>
#include <vector>

#include "qvtool/verbs.h"

namespace {

void printUsage(std::FILE* out) {
  std::fprintf(out, "usage: qvtool VERB [ARGS...]\n\nverbs:\n");
  for (const qvtool::Verb& verb : qvtool::allVerbs()) {
    std::fprintf(out, "  %.*s\n", static_cast<int>(verb.usage.size()), verb.usage.data());
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    printUsage(stderr);
    return 2;
  }
  const std::string_view name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    printUsage(stdout);
    return 0;
  }
  std::vector<std::string_view> args(argv + 2, argv + argc);
  for (const qvtool::Verb& verb : qvtool::allVerbs()) {
    if (verb.name == name && verb.run != nullptr) return verb.run(args);
  }
  std::fprintf(stderr, "qvtool: unknown verb '%s' (see qvtool --help)\n", argv[1]);
  return 2;
}
