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
  std::string_view name = argv[1];
  std::vector<std::string_view> args(argv + 2, argv + argc);
  const auto isHelp = [](std::string_view word) { return word == "--help" || word == "-h"; };
  // "qvtool help VERB" and "qvtool VERB --help" both print the verb's usage line.
  bool verbHelp = args.size() == 1 && isHelp(args[0]);
  if (name == "help" && args.size() == 1) {
    name = args[0];
    verbHelp = true;
  } else if (isHelp(name) || name == "help") {
    printUsage(stdout);
    return 0;
  }
  for (const qvtool::Verb& verb : qvtool::allVerbs()) {
    if (verb.name != name || verb.run == nullptr) continue;
    if (verbHelp) {
      std::printf("usage: qvtool %.*s\n", static_cast<int>(verb.usage.size()), verb.usage.data());
      return 0;
    }
    return verb.run(args);
  }
  std::fprintf(stderr, "qvtool: unknown verb '%s' (see qvtool --help)\n", argv[1]);
  return 2;
}
