// FontRegistry: the fonts of the program by name, in the order they were added. Names are
// compared as stored against the lower-cased request, so registered names are lower case.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/fonts/font.h"
#include "util/result.h"

namespace gfx {

class FontRegistry {
 public:
  /// Makes a font from a file's bytes: a MaskFont when fileName contains ".font" (registered
  /// as name), a ColorFont when it contains ".cfn" (registered under the name stored in its
  /// first 16 bytes). Errors: Unsupported for any other file name, Malformed when the bytes
  /// don't load (an empty span included). The bytes are copied.
  util::Status Add(std::string_view name, std::string_view fileName,
                   std::span<const std::byte> bytes);

  /// The same with the bytes of the entry fileName from source; NotFound when it is missing.
  util::Status Add(std::string_view name, std::string_view fileName, EntrySource& source);

  /// The first font registered under the lower-cased name, or null.
  const Font* Find(std::string_view name) const;

  std::size_t size() const { return records_.size(); }

 private:
  struct Record {
    std::string name;
    std::unique_ptr<Font> font;
  };
  std::vector<Record> records_;
};

}  // namespace gfx
