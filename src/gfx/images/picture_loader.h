// Choosing the picture class from an entry name, as every control loader does: the first of
// ".spr", ".tga", ".espr", ".aspr", ".cmb" that the name contains decides.
#pragma once

#include <memory>
#include <string_view>

#include "gfx/images/entry_source.h"
#include "gfx/images/picture.h"

namespace gfx {

/// An empty picture of the class for name, or null when the name has no picture extension.
std::unique_ptr<Picture> createPictureFor(std::string_view name);

/// Creates and loads the picture for name; null when the kind is unknown or loading fails.
std::unique_ptr<Picture> loadPicture(std::string_view name, EntrySource& source);

}  // namespace gfx
