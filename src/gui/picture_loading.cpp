#include "gui/picture_loading.h"

#include "gfx/images/anim_picture.h"
#include "gfx/images/palette_picture.h"
#include "gfx/images/row_picture.h"
#include "gfx/images/stream_picture.h"

namespace gui {

std::unique_ptr<gfx::Picture> CreateControlPicture(std::string_view name, unsigned kinds) {
  unsigned chosen = 0;
  if ((kinds & kPictureTga) && gfx::nameHas(name, ".tga")) chosen = kPictureTga;
  if ((kinds & kPictureSpr) && gfx::nameHas(name, ".spr")) chosen = kPictureSpr;
  if ((kinds & kPictureEspr) && gfx::nameHas(name, ".espr")) chosen = kPictureEspr;
  if ((kinds & kPictureAspr) && gfx::nameHas(name, ".aspr")) chosen = kPictureAspr;
  if ((kinds & kPictureCmb) && gfx::nameHas(name, ".cmb")) chosen = kPictureCmb;
  switch (chosen) {
    case kPictureSpr:
    case kPictureTga:  // a sprite object filled by the TGA reader
      return std::make_unique<gfx::PalettePicture>();
    case kPictureEspr:
      return std::make_unique<gfx::StreamPicture>();
    case kPictureAspr:
      return std::make_unique<gfx::AnimPicture>();
    case kPictureCmb:
      return std::make_unique<gfx::RowPicture>();
    default:
      return nullptr;
  }
}

std::unique_ptr<gfx::Picture> LoadControlPicture(std::string_view name, gfx::EntrySource& source,
                                                 unsigned kinds) {
  std::unique_ptr<gfx::Picture> picture = CreateControlPicture(name, kinds);
  if (!picture || !picture->Load(name, source)) return nullptr;
  return picture;
}

}  // namespace gui
