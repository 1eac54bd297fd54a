// qvtool extract ARCHIVE NAME [OUT]: the decompressed bytes of one entry (any letter case),
// written to OUT (replaced whole) or to standard output. Exit status 0 when written, 1 with one
// line on standard error for a missing, damaged or unwritable entry, 2 for a usage error.
#include <cstdio>
#include <string>
#include <vector>

#include "lib/archive_open.h"
#include "platform/file.h"
#include "qvtool/verbs.h"

namespace qvtool {

int runExtract(Args args) {
  if (args.size() < 2 || args.size() > 3 || args[0].empty() || args[0][0] == '-' ||
      args[1].empty()) {
    std::fprintf(stderr, "usage: qvtool extract ARCHIVE NAME [OUT]\n");
    return 2;
  }
  const std::string path(args[0]), name(args[1]);
  auto archive = tools::openArchiveFile(path);
  if (!archive) {
    std::fprintf(stderr, "qvtool extract: %s\n", archive.error().message.c_str());
    return 1;
  }
  std::vector<std::byte> bytes;
  std::uint32_t size = 0;
  if (!(*archive)->Copy(name, bytes, &size)) {
    const bool listed = (*archive)->Size(name) != resources::ResourceArchive::kMissingSize;
    std::fprintf(stderr, "qvtool extract: %s: %s '%s'\n", path.c_str(),
                 listed ? "damaged entry" : "no entry", name.c_str());
    return 1;
  }
  bytes.resize(size);  // without the zero byte the archive adds after the data
  if (args.size() == 3) {
    const std::string out(args[2]);
    util::Status written = platform::writeFileAtomically(out, bytes);
    if (!written) {
      std::fprintf(stderr, "qvtool extract: %s: %s\n", out.c_str(),
                   written.error().message.c_str());
      return 1;
    }
    return 0;
  }
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
      std::fflush(stdout) != 0) {
    std::fprintf(stderr, "qvtool extract: writing to standard output failed\n");
    return 1;
  }
  return 0;
}

}  // namespace qvtool
