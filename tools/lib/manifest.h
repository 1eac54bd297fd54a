// Manifests: the text lists that name every entry of an archive and where its bytes come from.
//
//   # a comment runs to the end of its line; blank lines are ignored
//   NAME [SOURCE [FORMAT]]   entry NAME from file SOURCE (default NAME)
//   include FILE             the lines of another manifest
//   archive FILE             every entry of an existing archive
//
// A relative SOURCE is looked up beside the manifest that names it, then in each search folder
// in order; FILE of include and archive only beside the manifest (or absolute). A later line
// naming an entry already named replaces it, so a mod's manifest can include the game's and
// override some entries; entries keep the position of their first naming. Names are 1 to 15
// ASCII characters without blanks, compared ignoring case as the game does.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "util/result.h"

namespace tools {

struct ManifestEntry {
  std::string name;              // the archive entry's name, as written
  std::filesystem::path source;  // the file to read, or the archive holding the entry
  bool fromArchive = false;      // source is an archive; the entry of the same name is taken
  std::string format;            // FORMAT as written, empty when none
  std::string origin;            // "manifest:line" that named it, for messages
};

/// Reads the manifest at path with everything it includes. NotFound when a manifest, a source
/// or an archive is missing, Malformed for a bad line or an include cycle; the message names
/// the manifest and line. Archives named by `archive` are opened to list their entries.
util::Result<std::vector<ManifestEntry>> readManifest(
    const std::filesystem::path& path, const std::vector<std::filesystem::path>& searchDirs);

}  // namespace tools
