// AnimPicture: an .aspr animation, frames of other pictures shown one after another.
//
// .aspr is text: a first line "COUNT,FRAME_MS", then one line per frame naming its entry.
// Frames whose name contains ".espr" are StreamPictures, all others PalettePictures. The game's
// resampling variant (LoadResampled) also reads ".sft" frames scaled to a target size and ".cmb"
// frames. The animation measures as its first frame.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gfx/images/picture.h"

namespace gfx {

class AnimPicture final : public Picture {
 public:
  /// Draws frame ((timeMs / frameMs) * speed) mod count (frame 0 when frameMs is 0).
  void Draw(Surface& surface, int x, int y, const Box* clip, std::uint32_t timeMs) const override;
  void Release() override;
  bool Load(std::string_view name, EntrySource& source) override;
  /// Always false: frames come from an EntrySource, so use Load.
  bool LoadBytes(std::string_view name, std::span<const std::byte> bytes) override;

  /// The game's variant: frames are resampled to targetWidth x targetHeight where their format
  /// allows it (.sft); .cmb frames are RowPictures, .espr StreamPictures, others PalettePictures.
  bool LoadResampled(std::string_view name, EntrySource& source, int targetWidth, int targetHeight);

  std::size_t frameCount() const { return frames_.size(); }
  std::uint32_t frameMs() const { return frameMs_; }
  const Picture* frame(std::size_t index) const { return frames_[index].get(); }

 private:
  bool loadFrames(std::string_view name, EntrySource& source,
                  std::optional<std::pair<int, int>> target);

  std::uint32_t frameMs_ = 0;
  std::uint32_t speed_ = 1;
  std::vector<std::unique_ptr<Picture>> frames_;
};

}  // namespace gfx
