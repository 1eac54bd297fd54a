// The generated pictures and fonts: each loads in the game's own classes, the manifest names
// exactly what is generated, and the output never changes between runs. The sizes the screens
// are laid out for are checked against the manifest in art_pictures_test.cpp.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "art_fixture.h"
#include "assetgen/art/art.h"
#include "gfx/fonts/color_font.h"
#include "gfx/fonts/mask_font.h"
#include "gfx/images/anim_picture.h"
#include "gfx/images/entry_source.h"
#include "gfx/images/picture_loader.h"
#include "gfx/images/stream_picture.h"

namespace {

bool endsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// .sft pictures (goo images, flag frames) are read by the scene's stream pictures directly, the
// flag animation by its resampling loader at its unscaled size; the rest by extension.
std::unique_ptr<gfx::Picture> load(const std::string& name, gfx::EntrySource& source) {
  if (name == "flag0.aspr") {
    auto flag = std::make_unique<gfx::AnimPicture>();
    if (!flag->LoadResampled(name, source, 16, 20)) return nullptr;
    return flag;
  }
  if (!endsWith(name, ".sft")) return gfx::loadPicture(name, source);
  auto picture = std::make_unique<gfx::StreamPicture>();
  if (!picture->Load(name, source)) return nullptr;
  return picture;
}

using Art = assetgen_testing::ArtSuite;
using assetgen_testing::ArtSource;

TEST_F(Art, EveryPictureAndFontLoadsInTheGame) {
  ASSERT_TRUE(base_->errors().empty()) << base_->errors().front();
  ArtSource source(*base_);
  for (const auto& [name, bytes] : base_->entries()) {
    if (endsWith(name, ".cfn")) {
      gfx::ColorFont font;
      ASSERT_TRUE(font.Attach(bytes)) << name;
      EXPECT_GT(font.GlyphWidth('A'), 0) << name;
      EXPECT_GT(font.GlyphWidth(0xE9), 0) << name << ": Latin-1 letters";
    } else if (endsWith(name, ".font")) {
      gfx::MaskFont font;
      ASSERT_TRUE(font.Attach(bytes)) << name;
      EXPECT_GT(font.GlyphWidth('A'), 0) << name;
    } else {
      auto picture = load(name, source);
      ASSERT_TRUE(picture) << name << " does not load";
      EXPECT_GT(picture->width(), 0) << name;
    }
  }
}

TEST_F(Art, TheManifestNamesExactlyWhatIsGenerated) {
  std::ifstream in(std::string(QV_SOURCE_DIR) + "/data/art.manifest");
  ASSERT_TRUE(in);
  std::set<std::string> listed;
  for (std::string line; std::getline(in, line);) {
    line = line.substr(0, line.find('#'));
    std::istringstream words(line);
    std::string name;
    if (words >> name) listed.insert(name);
  }
  std::set<std::string> generated;
  for (const auto& entry : base_->entries())
    generated.insert(entry.first);
  EXPECT_EQ(listed, generated);
}

TEST_F(Art, TwoRunsGiveTheSameBytes) {
  const assetgen::ArtOutput again = assetgen::DrawAllArt(1);
  ASSERT_EQ(again.entries().size(), base_->entries().size());
  for (const auto& [name, bytes] : base_->entries())
    EXPECT_EQ(again.entries().at(name), bytes) << name;
}

}  // namespace
