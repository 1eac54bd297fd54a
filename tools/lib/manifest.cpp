#include "lib/manifest.h"

#include <cctype>
#include <fstream>
#include <sstream>
#include <unordered_map>
#include <unordered_set>

#include "platform/file.h"
#include "resources/resource_archive.h"

namespace tools {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxIncludeDepth = 32;

std::string upper(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

bool validName(std::string_view name) {
  if (name.empty() || name.size() > 15) return false;
  for (char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (u <= 32 || u >= 127) return false;
  }
  return true;
}

std::vector<std::string> splitWords(const std::string& line) {
  std::vector<std::string> words;
  std::istringstream in(line);
  for (std::string word; in >> word;)
    words.push_back(word);
  return words;
}

class Reader {
 public:
  explicit Reader(const std::vector<fs::path>& searchDirs) : searchDirs_(searchDirs) {}

  util::Status read(const fs::path& path, int depth) {
    std::error_code error;
    const fs::path canonical = fs::weakly_canonical(path, error);
    const std::string key = error ? path.string() : canonical.string();
    if (depth > kMaxIncludeDepth || open_.count(key) != 0)
      return util::makeError(util::ErrorCode::Malformed, path.string() + ": included from itself");
    std::ifstream in(path, std::ios::binary);
    if (!in) {
      std::error_code error;
      const bool exists = fs::exists(path, error);
      return util::makeError(util::ErrorCode::NotFound,
                             path.string() + (exists ? ": cannot read" : ": no such file"));
    }
    open_.insert(key);
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
      ++lineNumber;
      const std::size_t hash = line.find('#');
      if (hash != std::string::npos) line.erase(hash);
      const std::vector<std::string> words = splitWords(line);
      if (words.empty()) continue;
      const std::string origin = path.string() + ":" + std::to_string(lineNumber);
      util::Status status = directive(words, path.parent_path(), origin, depth);
      if (!status) {
        open_.erase(key);
        return status;
      }
    }
    open_.erase(key);
    return {};
  }

  std::vector<ManifestEntry> take() { return std::move(entries_); }

 private:
  util::Status directive(const std::vector<std::string>& words, const fs::path& base,
                         const std::string& origin, int depth) {
    if (words[0] == "include" || words[0] == "archive") {
      if (words.size() != 2)
        return util::makeError(util::ErrorCode::Malformed,
                               origin + ": " + words[0] + " takes one file");
      const fs::path file = fs::path(words[1]).is_absolute() ? fs::path(words[1]) : base / words[1];
      if (words[0] == "include") {
        std::error_code error;
        if (!fs::is_regular_file(file, error))
          return util::makeError(util::ErrorCode::NotFound,
                                 origin + ": " + words[1] + ": no such manifest");
        return read(file, depth + 1);
      }
      return addArchive(file, origin);
    }
    if (words.size() > 3)
      return util::makeError(util::ErrorCode::Malformed,
                             origin + ": expected NAME [SOURCE [FORMAT]]");
    if (!validName(words[0]))
      return util::makeError(
          util::ErrorCode::Malformed,
          origin + ": '" + words[0] + "' is not an entry name (1 to 15 ASCII characters)");
    ManifestEntry entry;
    entry.name = words[0];
    entry.origin = origin;
    if (words.size() == 3) entry.format = words[2];
    const std::string source = words.size() >= 2 ? words[1] : words[0];
    auto found = locate(source, base);
    if (!found)
      return util::makeError(util::ErrorCode::NotFound,
                             origin + ": " + source + ": no such file beside the manifest" +
                                 (searchDirs_.empty() ? "" : " or in the search folders"));
    entry.source = *found;
    add(std::move(entry));
    return {};
  }

  util::Result<fs::path> locate(const std::string& source, const fs::path& base) const {
    std::error_code error;
    const fs::path given(source);
    if (given.is_absolute()) {
      if (fs::is_regular_file(given, error)) return given;
      return util::makeError(util::ErrorCode::NotFound, source);
    }
    if (fs::is_regular_file(base / given, error)) return base / given;
    for (const fs::path& dir : searchDirs_)
      if (fs::is_regular_file(dir / given, error)) return dir / given;
    return util::makeError(util::ErrorCode::NotFound, source);
  }

  util::Status addArchive(const fs::path& file, const std::string& origin) {
    auto opened = platform::openReadableFile(file.string(), platform::OpenMode::Shared);
    if (!opened)
      return util::makeError(util::ErrorCode::NotFound,
                             origin + ": " + file.string() + ": cannot open the archive");
    resources::ResourceArchive archive;
    if (archive.Open(std::move(*opened)) != 0)
      return util::makeError(util::ErrorCode::Malformed,
                             origin + ": " + file.string() + ": not an archive");
    // Within one archive the earlier of two equal names is the one the game reads.
    std::unordered_set<std::string> seen;
    for (const auto& info : archive.listEntries()) {
      if (!seen.insert(upper(info.name)).second) continue;
      ManifestEntry entry;
      entry.name = info.name;
      entry.source = file;
      entry.fromArchive = true;
      entry.origin = origin;
      add(std::move(entry));
    }
    return {};
  }

  void add(ManifestEntry entry) {
    const std::string key = upper(entry.name);
    auto it = index_.find(key);
    if (it == index_.end()) {
      index_.emplace(key, entries_.size());
      entries_.push_back(std::move(entry));
    } else {
      entries_[it->second] = std::move(entry);
    }
  }

  const std::vector<fs::path>& searchDirs_;
  std::vector<ManifestEntry> entries_;
  std::unordered_map<std::string, std::size_t> index_;
  std::unordered_set<std::string> open_;
};

}  // namespace

util::Result<std::vector<ManifestEntry>> readManifest(const fs::path& path,
                                                      const std::vector<fs::path>& searchDirs) {
  Reader reader(searchDirs);
  util::Status status = reader.read(path, 0);
  if (!status) return status.error();
  return reader.take();
}

}  // namespace tools
