// ResourceArchive: the named entries of one archive file (graphics.dat or another of its format).
// Open reads the directory once; Get decompresses an entry on first use and keeps it cached
// until Free. Every buffer handed out is U + 1 bytes with a zero byte at index U, so text
// entries can be used as zero-terminated strings. Lengths in the file are never trusted: an
// entry whose stored or decompressed size disagrees with the file or the zlib stream behaves as
// a missing entry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "util/readable_file.h"

namespace resources {

class ResourceArchive {
 public:
  static constexpr std::uint32_t kMissingSize = 0xFFFFFFFF;

  ResourceArchive() = default;
  ResourceArchive(const ResourceArchive&) = delete;
  ResourceArchive& operator=(const ResourceArchive&) = delete;

  /// Takes the opened file (the caller maps its own open failures to kArchiveCannotOpen or
  /// kArchiveLocked) and reads the directory. Returns kArchiveOk, or kArchiveBadHeader when the
  /// file does not start with "1.00" and an end offset (the file is kept either way). A null file
  /// gives kArchiveCannotOpen. Replaces any directory and cache of an earlier Open.
  int Open(std::unique_ptr<util::ReadableFile> file);

  /// The decompressed bytes of the entry (any letter case), cached and owned by the archive
  /// until Free or destruction; null when the name is missing or the entry can't be read.
  /// sizeOut (optional) receives U; data()[U] is 0.
  const std::byte* Get(std::string_view name, std::uint32_t* sizeOut = nullptr);

  /// Get as a span of the U data bytes (the zero byte after them is not included); empty when
  /// missing. The same cached memory as Get.
  std::span<const std::byte> GetSpan(std::string_view name);

  /// A fresh copy of the entry, U + 1 bytes with the trailing zero, owned by the caller; never
  /// uses or fills the cache. False (out untouched) when missing or unreadable.
  bool Copy(std::string_view name, std::vector<std::byte>& out, std::uint32_t* sizeOut = nullptr);

  /// Releases the cached buffer. False when the name is missing or the entry is not cached.
  bool Free(std::string_view name);

  /// The decompressed size U of the entry, or kMissingSize when the name is not in the directory.
  std::uint32_t Size(std::string_view name) const;

  /// Number of directory entries (duplicates included), in file order.
  std::size_t entryCount() const { return entries_.size(); }

  struct EntryInfo {
    std::string name;               // as stored, before upper-casing
    std::uint32_t storedSize = 0;   // S, as the file says (0 when unreadable)
    std::uint32_t size = 0;         // U
  };
  /// Every directory entry in file order, for listing tools.
  std::vector<EntryInfo> listEntries();

 private:
  struct Entry {
    std::string name;                   // unscrambled, upper-cased
    std::string storedName;             // unscrambled, as stored
    std::uint64_t offset = 0;           // file offset of the stored-size field
    std::uint32_t size = 0;             // decompressed size U
    std::unique_ptr<std::byte[]> data;  // U + 1 bytes when cached
  };

  const Entry* find(std::string_view name) const;
  Entry* find(std::string_view name);
  /// True when the entry's stored size S fits the file and its U can come from S bytes.
  bool plausible(const Entry& entry, std::uint32_t stored) const;
  /// Reads and decompresses entry into out (capacity U + 1); false on any mismatch.
  bool read(const Entry& entry, std::byte* out);

  std::vector<Entry> entries_;
  std::unique_ptr<util::ReadableFile> file_;
  std::uint64_t endOffset_ = 0;
};

}  // namespace resources
