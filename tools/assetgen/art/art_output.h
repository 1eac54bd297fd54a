// The generated entries of graphics.dat, collected in memory before they are written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "lib/argb_image.h"

namespace assetgen {

class ArtOutput {
 public:
  explicit ArtOutput(int scale) : scale_(scale) {}

  /// 1 for the 240 x 320 content, 2 for 480 x 640: every size and position is multiplied.
  int scale() const { return scale_; }
  int px(int base) const { return base * scale_; }

  /// Stores bytes as entry name (a later entry of the same name replaces it).
  void add(const std::string& name, std::vector<std::byte> bytes);
  /// Encodes image as the picture the name's extension asks for (format as for the manifest:
  /// empty for the default); an encoding failure is recorded as an error.
  void addPicture(const std::string& name, const tools::ArgbImage& image,
                  const std::string& format = {});
  void fail(const std::string& message) { errors_.push_back(message); }

  /// The pictures as drawn, before encoding, by entry name (for previews and checks).
  const std::map<std::string, tools::ArgbImage>& images() const { return images_; }

  const std::map<std::string, std::vector<std::byte>>& entries() const { return entries_; }
  const std::vector<std::string>& errors() const { return errors_; }

 private:
  int scale_;
  std::map<std::string, std::vector<std::byte>> entries_;
  std::map<std::string, tools::ArgbImage> images_;
  std::vector<std::string> errors_;
};

// The families of pictures; each adds its entries.
void DrawGoos(ArtOutput& out);      // gooimage0.sft .. gooimage4.sft
void DrawSky(ArtOutput& out);       // the clouds and the flag animation
void DrawOptions(ArtOutput& out);   // colour schemes, volume bars, select-box parts
void DrawKeyboard(ArtOutput& out);  // the on-screen keyboard's keys
void DrawToolbar(ArtOutput& out);   // the game screen's toolbar, its buttons, the experience icon
void DrawMenus(ArtOutput& out);     // menu panels and buttons
void RenderFonts(ArtOutput& out);   // the .cfn and .font fonts

void DrawLogo(ArtOutput& out);  // the title

/// A glossy goo ball side x side pixels in colour 0xRRGGBB, lit from the upper left.
tools::ArgbImage GooBall(int side, std::uint32_t rgb);
/// Cloud index (1..12) at the given scale, translucent.
tools::ArgbImage CloudPicture(int index, int scale);

/// The colours of the five goo kinds, 0xRRGGBB: the blobs and their links.
extern const std::uint32_t kGooColours[5];
extern const std::uint32_t kLinkColours[5];

}  // namespace assetgen
