#include "resources/resource_archive.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "resources/archive_format.h"

namespace resources {
namespace {

std::uint32_t readU32(const std::byte* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// zlib never expands more than about 1032:1, so a decompressed size beyond this bound is a lie
// of the file; refusing it early avoids a giant allocation for a corrupt entry.
bool plausibleSizes(std::uint64_t stored, std::uint64_t decompressed) {
  return decompressed <= stored * 1040 + 64;
}

}  // namespace

int ResourceArchive::Open(std::unique_ptr<util::ReadableFile> file) {
  entries_.clear();
  endOffset_ = 0;
  file_ = std::move(file);
  if (!file_) return kArchiveCannotOpen;

  std::array<std::byte, kArchiveHeaderBytes> header{};
  if (file_->readAt(0, header) != header.size() ||
      std::memcmp(header.data(), kArchiveMagic, sizeof kArchiveMagic) != 0) {
    return kArchiveBadHeader;
  }
  endOffset_ = readU32(header.data() + 4);
  // An end offset past the file would only make every later entry unreadable: read no further
  // than the file reaches.
  const std::uint64_t limit = std::min<std::uint64_t>(endOffset_, file_->sizeBytes());
  std::uint64_t at = kArchiveHeaderBytes;
  while (at < limit) {
    std::array<std::byte, kEntryHeaderBytes> raw{};
    if (at + kEntryHeaderBytes > limit || file_->readAt(at, raw) != raw.size()) break;
    std::string name;
    for (std::size_t i = 0; i < kEntryNameBytes; ++i) {
      const char c = static_cast<char>(static_cast<std::uint8_t>(raw[i]) ^ kNameMask);
      if (c == '\0') break;
      name.push_back(c);
    }
    Entry entry;
    entry.name = upperCaseName(name);
    entry.storedName = name;
    entry.offset = at + kEntryNameBytes;
    entry.size = readU32(raw.data() + 20);
    entries_.push_back(std::move(entry));
    at += kEntryHeaderBytes + static_cast<std::uint64_t>(readU32(raw.data() + 16));
  }
  return kArchiveOk;
}

const ResourceArchive::Entry* ResourceArchive::find(std::string_view name) const {
  const std::string key = upperCaseName(name);
  for (const Entry& entry : entries_) {
    if (entry.name == key) return &entry;  // the earlier of two equal names wins
  }
  return nullptr;
}

ResourceArchive::Entry* ResourceArchive::find(std::string_view name) {
  return const_cast<Entry*>(static_cast<const ResourceArchive*>(this)->find(name));
}

// Sizes that a real entry can have: its stream lies inside the file, and zlib can't expand a
// stream more than about 1032 times. Checked before the output buffer is allocated, so a
// damaged size field can't make the archive ask for gigabytes.
bool ResourceArchive::plausible(const Entry& entry, std::uint32_t stored) const {
  const std::uint64_t dataAt = entry.offset + 8;
  const std::uint64_t limit = std::min<std::uint64_t>(endOffset_, file_->sizeBytes());
  return dataAt <= limit && stored <= limit - dataAt && plausibleSizes(stored, entry.size);
}

bool ResourceArchive::read(const Entry& entry, std::byte* out) {
  std::array<std::byte, 8> sizes{};
  if (!file_ || file_->readAt(entry.offset, sizes) != sizes.size()) return false;
  const std::uint32_t stored = readU32(sizes.data());
  const std::uint32_t decompressed = readU32(sizes.data() + 4);
  const std::uint64_t dataAt = entry.offset + sizes.size();
  const std::uint64_t limit = std::min<std::uint64_t>(endOffset_, file_->sizeBytes());
  if (decompressed != entry.size || dataAt + stored > limit) return false;
  std::vector<std::byte> packed(stored);
  if (file_->readAt(dataAt, packed) != packed.size()) return false;
  uLongf produced = entry.size;
  // A stream that would overrun U stops with Z_BUF_ERROR; one that ends early leaves
  // produced < U. Both are refused.
  const int rc = uncompress(reinterpret_cast<Bytef*>(out), &produced,
                            reinterpret_cast<const Bytef*>(packed.data()), stored);
  if (rc != Z_OK || produced != entry.size) return false;
  out[entry.size] = std::byte{0};
  return true;
}

const std::byte* ResourceArchive::Get(std::string_view name, std::uint32_t* sizeOut) {
  Entry* entry = find(name);
  if (entry == nullptr) return nullptr;
  if (!entry->data) {
    std::array<std::byte, 4> storedRaw{};
    if (!file_ || file_->readAt(entry->offset, storedRaw) != storedRaw.size() ||
        !plausible(*entry, readU32(storedRaw.data()))) {
      return nullptr;
    }
    auto buffer = std::make_unique<std::byte[]>(static_cast<std::size_t>(entry->size) + 1);
    if (!read(*entry, buffer.get())) return nullptr;
    entry->data = std::move(buffer);
  }
  if (sizeOut != nullptr) *sizeOut = entry->size;
  return entry->data.get();
}

std::span<const std::byte> ResourceArchive::GetSpan(std::string_view name) {
  std::uint32_t size = 0;
  const std::byte* data = Get(name, &size);
  if (data == nullptr) return {};
  return {data, size};
}

bool ResourceArchive::Copy(std::string_view name, std::vector<std::byte>& out,
                           std::uint32_t* sizeOut) {
  const Entry* entry = find(name);
  if (entry == nullptr) return false;
  std::array<std::byte, 4> storedRaw{};
  if (!file_ || file_->readAt(entry->offset, storedRaw) != storedRaw.size() ||
      !plausible(*entry, readU32(storedRaw.data()))) {
    return false;
  }
  std::vector<std::byte> buffer(static_cast<std::size_t>(entry->size) + 1);
  if (!read(*entry, buffer.data())) return false;
  out = std::move(buffer);
  if (sizeOut != nullptr) *sizeOut = entry->size;
  return true;
}

bool ResourceArchive::Free(std::string_view name) {
  Entry* entry = find(name);
  if (entry == nullptr || !entry->data) return false;
  entry->data.reset();
  return true;
}

std::uint32_t ResourceArchive::Size(std::string_view name) const {
  const Entry* entry = find(name);
  return entry == nullptr ? kMissingSize : entry->size;
}

std::vector<ResourceArchive::EntryInfo> ResourceArchive::listEntries() {
  std::vector<EntryInfo> out;
  for (const Entry& entry : entries_) {
    std::array<std::byte, 4> storedRaw{};
    const bool ok = file_ && file_->readAt(entry.offset, storedRaw) == storedRaw.size();
    out.push_back(EntryInfo{entry.storedName, ok ? readU32(storedRaw.data()) : 0, entry.size});
  }
  return out;
}

}  // namespace resources
