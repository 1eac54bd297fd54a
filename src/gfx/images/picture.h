// Picture: the abstract image. Each file format has its own class; all draw into a Surface with
// their top-left corner at (x, y), clipped to a clip rectangle (the surface bounds when none)
// and always to the surface itself. A picture that failed to load, or was released, draws
// nothing. Pictures keep their own copy of the bytes they decode, so the archive entry they
// came from may be freed once Load returns.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "gfx/box.h"
#include "gfx/images/entry_source.h"
#include "gfx/surface.h"

namespace gfx {

class Picture {
 public:
  virtual ~Picture() = default;

  /// Draws at (x, y) clipped to clip (null: the surface bounds). timeMs selects the frame of an
  /// animation and is ignored by still pictures.
  virtual void Draw(Surface& surface, int x, int y, const Box* clip,
                    std::uint32_t timeMs) const = 0;

  /// Gives back the pixel data; afterwards the picture draws nothing until loaded again.
  virtual void Release() = 0;

  /// Loads the named entry from source; true on success. On failure the picture is empty.
  virtual bool Load(std::string_view name, EntrySource& source);

  /// Loads from the entry's bytes; name chooses the variant where a class reads two formats.
  virtual bool LoadBytes(std::string_view name, std::span<const std::byte> bytes) = 0;

  std::uint16_t width() const { return width_; }
  std::uint16_t height() const { return height_; }
  /// The entry name the picture was loaded from (empty when none).
  const std::string& name() const { return name_; }

 protected:
  void setSize(std::uint16_t width, std::uint16_t height) {
    width_ = width;
    height_ = height;
  }
  void setName(std::string_view name) { name_ = std::string(name); }

 private:
  std::uint16_t width_ = 0;
  std::uint16_t height_ = 0;
  std::string name_;
};

/// True when name contains part (the file-kind test every loader uses).
inline bool nameHas(std::string_view name, std::string_view part) {
  return name.find(part) != std::string_view::npos;
}

}  // namespace gfx
