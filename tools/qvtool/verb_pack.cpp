// qvtool pack MANIFEST OUT [-I DIR]...: builds an archive from a manifest (see lib/manifest.h for
// the format). Sources not found beside their manifest are looked up in the -I folders in order.
// OUT is replaced whole, never left half-written. Exit status: 0 when written, 1 with one line
// on standard error naming the failing manifest line, 2 for a usage error.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "lib/archive_writer.h"
#include "lib/manifest.h"
#include "lib/manifest_pack.h"
#include "platform/file.h"
#include "qvtool/verbs.h"

namespace qvtool {

int runPack(Args args) {
  std::vector<std::string> positional;
  std::vector<std::filesystem::path> searchDirs;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-I" && i + 1 < args.size()) {
      searchDirs.emplace_back(std::string(args[++i]));
    } else if (args[i].substr(0, 2) == "-I" && args[i].size() > 2) {
      searchDirs.emplace_back(std::string(args[i].substr(2)));
    } else if (!args[i].empty() && args[i][0] != '-') {
      positional.emplace_back(args[i]);
    } else {
      positional.clear();
      break;
    }
  }
  if (positional.size() != 2) {
    std::fprintf(stderr, "usage: qvtool pack MANIFEST OUT [-I DIR]...\n");
    return 2;
  }
  auto entries = tools::readManifest(positional[0], searchDirs);
  if (!entries) {
    std::fprintf(stderr, "qvtool pack: %s\n", entries.error().message.c_str());
    return 1;
  }
  auto loaded = tools::loadManifestEntries(*entries);
  if (!loaded) {
    std::fprintf(stderr, "qvtool pack: %s\n", loaded.error().message.c_str());
    return 1;
  }
  auto archive = tools::buildArchive(*loaded);
  if (!archive) {
    std::fprintf(stderr, "qvtool pack: %s\n", archive.error().message.c_str());
    return 1;
  }
  util::Status written = platform::writeFileAtomically(positional[1], *archive);
  if (!written) {
    std::fprintf(stderr, "qvtool pack: %s: %s\n", positional[1].c_str(),
                 written.error().message.c_str());
    return 1;
  }
  std::printf("%s: %zu entries, %zu bytes\n", positional[1].c_str(), loaded->size(),
              archive->size());
  return 0;
}

}  // namespace qvtool
