// qvtool list ARCHIVE: one line per directory entry, in file order: the name as stored, the
// stored (compressed) size and the decompressed size in bytes. Exit status 0 when listed, 1 with
// one line on standard error when the archive can't be opened or read, 2 for a usage error.
#include <cstdio>
#include <string>

#include "lib/archive_open.h"
#include "qvtool/verbs.h"

namespace qvtool {

int runList(Args args) {
  if (args.size() != 1 || args[0].empty() || args[0][0] == '-') {
    std::fprintf(stderr, "usage: qvtool list ARCHIVE\n");
    return 2;
  }
  const std::string path(args[0]);
  auto archive = tools::openArchiveFile(path);
  if (!archive) {
    std::fprintf(stderr, "qvtool list: %s\n", archive.error().message.c_str());
    return 1;
  }
  for (const auto& entry : (*archive)->listEntries()) {
    std::printf("%-15s %10u %10u\n", entry.name.c_str(), static_cast<unsigned>(entry.storedSize),
                static_cast<unsigned>(entry.size));
  }
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "qvtool list: writing the listing failed\n");
    return 1;
  }
  return 0;
}

}  // namespace qvtool
