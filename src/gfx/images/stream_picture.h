// StreamPicture: a run-stream picture (.espr), or a 32-bit .sft picture converted to a run
// stream at load, optionally resampled to a target size on the way.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "gfx/images/picture.h"

namespace gfx {

class StreamPicture final : public Picture {
 public:
  void Draw(Surface& surface, int x, int y, const Box* clip, std::uint32_t timeMs) const override;
  void Release() override;
  /// .espr bytes, or .sft bytes when name contains ".sft" (kept at their size and row order).
  bool LoadBytes(std::string_view name, std::span<const std::byte> bytes) override;

  /// Loads an .sft entry resampled to targetWidth x targetHeight (see loadSft).
  bool LoadResampled(std::string_view name, EntrySource& source, int targetWidth, int targetHeight);

  /// .sft conversion: width (u16), height (u16), then width x height 0xAARRGGBB words. With a
  /// target size the pixels are box-filtered to it first and the rows come out bottom row first.
  /// Refused: short data, a width above 255 (a row is one command), a target more than twice
  /// the source size (the filter box would be empty) or of zero size.
  bool loadSft(std::span<const std::byte> bytes, std::optional<std::pair<int, int>> target);

  /// The run stream with its 4-byte size header.
  std::span<const std::byte> stream() const { return stream_; }

 private:
  bool loadEspr(std::span<const std::byte> bytes);

  /// Makes drawRows_ from stream_ when compacting it saves work.
  void prepareDrawing();

  std::vector<std::byte> stream_;
  // The rows of stream_ recoded by compactRunStream, which Draw uses instead when not empty.
  std::vector<std::byte> drawRows_;
};

}  // namespace gfx
