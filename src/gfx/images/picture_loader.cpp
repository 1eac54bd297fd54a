#include "gfx/images/picture_loader.h"

#include "gfx/images/anim_picture.h"
#include "gfx/images/palette_picture.h"
#include "gfx/images/row_picture.h"
#include "gfx/images/stream_picture.h"

namespace gfx {

std::unique_ptr<Picture> createPictureFor(std::string_view name) {
  if (nameHas(name, ".spr") || nameHas(name, ".tga")) return std::make_unique<PalettePicture>();
  if (nameHas(name, ".espr")) return std::make_unique<StreamPicture>();
  if (nameHas(name, ".aspr")) return std::make_unique<AnimPicture>();
  if (nameHas(name, ".cmb")) return std::make_unique<RowPicture>();
  return nullptr;
}

std::unique_ptr<Picture> loadPicture(std::string_view name, EntrySource& source) {
  std::unique_ptr<Picture> picture = createPictureFor(name);
  if (!picture || !picture->Load(name, source)) return nullptr;
  return picture;
}

}  // namespace gfx
