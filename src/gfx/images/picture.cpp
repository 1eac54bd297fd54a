#include "gfx/images/picture.h"

namespace gfx {

bool Picture::Load(std::string_view name, EntrySource& source) {
  Release();
  const std::span<const std::byte> bytes = source.find(name);
  if (bytes.empty()) return false;
  if (!LoadBytes(name, bytes)) {
    Release();
    return false;
  }
  setName(name);
  return true;
}

}  // namespace gfx
