// Loading a control's picture by its resource name. The picture class is chosen from the name
// by substring, testing ".spr", ".espr", ".aspr" and ".cmb" in this order with a later match
// replacing an earlier one; each control says which of them (and ".tga") it accepts.
#pragma once

#include <memory>
#include <string_view>

#include "gfx/images/entry_source.h"
#include "gfx/images/picture.h"

namespace gui {

enum PictureKind : unsigned {
  kPictureSpr = 1,
  kPictureEspr = 2,
  kPictureAspr = 4,
  kPictureCmb = 8,
  kPictureTga = 16,
};
/// What buttons, check boxes and most controls accept.
inline constexpr unsigned kControlPictures =
    kPictureSpr | kPictureEspr | kPictureAspr | kPictureCmb;
/// What an Image accepts.
inline constexpr unsigned kImagePictures = kControlPictures | kPictureTga;
/// What slider segments and key buttons accept.
inline constexpr unsigned kStillPictures = kPictureSpr | kPictureEspr | kPictureCmb;

/// An empty picture of the class that name selects among kinds, or null when none matches.
std::unique_ptr<gfx::Picture> CreateControlPicture(std::string_view name, unsigned kinds);

/// Creates and loads the picture; null when the name selects no class or the load fails.
std::unique_ptr<gfx::Picture> LoadControlPicture(std::string_view name, gfx::EntrySource& source,
                                                 unsigned kinds = kControlPictures);

}  // namespace gui
