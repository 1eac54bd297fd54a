#include "gfx/fonts/font_registry.h"

#include "gfx/fonts/color_font.h"
#include "gfx/fonts/mask_font.h"

namespace gfx {

util::Status FontRegistry::Add(std::string_view name, std::string_view fileName,
                               std::span<const std::byte> bytes) {
  std::unique_ptr<Font> font;
  std::string recordName;
  if (fileName.find(".font") != std::string_view::npos) {
    font = std::make_unique<MaskFont>();
    recordName = std::string(name);
  } else if (fileName.find(".cfn") != std::string_view::npos) {
    font = std::make_unique<ColorFont>();
  } else {
    return util::makeError(util::ErrorCode::Unsupported,
                           "not a font file name: " + std::string(fileName));
  }
  if (bytes.empty() || !font->Attach(bytes)) {
    return util::makeError(util::ErrorCode::Malformed,
                           "font does not load: " + std::string(fileName));
  }
  if (auto* colour = dynamic_cast<ColorFont*>(font.get())) recordName = colour->fontName();
  records_.push_back(Record{std::move(recordName), std::move(font)});
  return {};
}

util::Status FontRegistry::Add(std::string_view name, std::string_view fileName,
                               EntrySource& source) {
  const std::span<const std::byte> bytes = source.find(fileName);
  if (bytes.empty()) {
    return util::makeError(util::ErrorCode::NotFound, "no font entry " + std::string(fileName));
  }
  return Add(name, fileName, bytes);
}

const Font* FontRegistry::Find(std::string_view name) const {
  std::string key(name);
  for (char& c : key) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  for (const Record& record : records_) {
    if (record.name == key) return record.font.get();
  }
  return nullptr;
}

}  // namespace gfx
