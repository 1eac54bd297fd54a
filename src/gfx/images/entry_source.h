// EntrySource: where a picture finds the other entries its data names (.aspr frame lists). The
// resource layer implements it over an archive; tests implement it over a map.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace gfx {

class EntrySource {
 public:
  virtual ~EntrySource() = default;

  /// The bytes of the named entry (any letter case), or an empty span when there is none. The
  /// bytes need only stay valid until the next call: pictures copy what they keep.
  virtual std::span<const std::byte> find(std::string_view name) = 0;
};

}  // namespace gfx
