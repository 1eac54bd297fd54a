// ReadableFile: random-access reading of a file's bytes, without saying where they come from.
// The platform layer opens real files (exclusively where asked); tests hand in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace util {

class ReadableFile {
 public:
  virtual ~ReadableFile() = default;

  /// Size of the file in bytes.
  virtual std::uint64_t sizeBytes() const = 0;

  /// Copies up to out.size() bytes starting at offset into out; returns how many were read
  /// (fewer at the end of the file, 0 past it or on a read error).
  virtual std::size_t readAt(std::uint64_t offset, std::span<std::byte> out) = 0;
};

/// A file held in memory; reads past the end return short counts like a real file.
class MemoryFile final : public ReadableFile {
 public:
  explicit MemoryFile(std::vector<std::byte> bytes) : bytes_(std::move(bytes)) {}

  std::uint64_t sizeBytes() const override { return bytes_.size(); }
  std::size_t readAt(std::uint64_t offset, std::span<std::byte> out) override;

 private:
  std::vector<std::byte> bytes_;
};

}  // namespace util
