// ByteReader: little-endian reads from a span that refuse to pass its end. Every read reports
// success; after a failed read the reader stays failed, so a decoder checks once per step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace gfx {

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::byte> bytes, std::size_t pos = 0)
      : bytes_(bytes), pos_(pos), ok_(pos <= bytes.size()) {}

  bool ok() const { return ok_; }
  std::size_t pos() const { return pos_; }
  std::size_t remaining() const { return ok_ ? bytes_.size() - pos_ : 0; }

  bool u8(std::uint8_t& out) {
    if (!need(1)) return false;
    out = static_cast<std::uint8_t>(bytes_[pos_++]);
    return true;
  }
  bool u16(std::uint16_t& out) {
    if (!need(2)) return false;
    out = static_cast<std::uint16_t>(static_cast<unsigned>(bytes_[pos_]) |
                                     (static_cast<unsigned>(bytes_[pos_ + 1]) << 8));
    pos_ += 2;
    return true;
  }
  bool u32(std::uint32_t& out) {
    if (!need(4)) return false;
    out = static_cast<std::uint32_t>(bytes_[pos_]) |
          (static_cast<std::uint32_t>(bytes_[pos_ + 1]) << 8) |
          (static_cast<std::uint32_t>(bytes_[pos_ + 2]) << 16) |
          (static_cast<std::uint32_t>(bytes_[pos_ + 3]) << 24);
    pos_ += 4;
    return true;
  }
  bool skip(std::size_t count) {
    if (!need(count)) return false;
    pos_ += count;
    return true;
  }
  /// Reads the byte at the current position without consuming it; false at the end.
  bool peek(std::uint8_t& out) const {
    if (!ok_ || pos_ >= bytes_.size()) return false;
    out = static_cast<std::uint8_t>(bytes_[pos_]);
    return true;
  }

 private:
  bool need(std::size_t count) {
    if (!ok_ || bytes_.size() - pos_ < count) ok_ = false;
    return ok_;
  }

  std::span<const std::byte> bytes_;
  std::size_t pos_;
  bool ok_;
};

/// The little-endian 16-bit value at p; the caller has checked that two bytes are there.
inline std::uint16_t readLe16(const std::byte* p) {
  return static_cast<std::uint16_t>(static_cast<unsigned>(p[0]) |
                                    (static_cast<unsigned>(p[1]) << 8));
}

inline std::uint16_t readLe16(std::span<const std::byte> b, std::size_t at) {
  return readLe16(b.data() + at);
}

}  // namespace gfx
