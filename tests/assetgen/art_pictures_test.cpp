// The generated pictures and fonts as the game shows them: each loads through the game's own
// classes, drawn onto a 16-bit surface the way the scene, the toolbar and the menus load them;
// the manifest names exactly what is generated, with the real sizes, and the output never
// changes between runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <set>

#include "assetgen/art/art.h"
#include "assetgen_fixture.h"
#include "gfx/fonts/color_font.h"
#include "gfx/fonts/mask_font.h"
#include "gfx/images/anim_picture.h"
#include "gfx/images/entry_source.h"
#include "gfx/images/picture_loader.h"
#include "gfx/images/stream_picture.h"
#include "gfx/surface.h"

namespace {

// Brightness 0..126 of an RGB565 pixel: the sum of its three channels.
int brightness(std::uint16_t p) {
  return ((p >> 11) & 0x1F) + ((p >> 5) & 0x3F) + (p & 0x1F);
}

// Sum of brightness over a rectangle of the surface.
long regionBrightness(const gfx::Surface& s, int x0, int y0, int w, int h) {
  long sum = 0;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x)
      sum += brightness(s.at(x, y));
  return sum;
}

using ArtPictures = assetgen_testing::ArtSuite;

// Each picture loads through the game's own classes, at the size the manifest states: the
// screens are laid out from those sizes. .sft pictures (goo images, flag frames) are read by the
// scene's stream pictures directly, the flag animation by its resampling loader at its unscaled
// size; the rest by extension. Fonts are checked in FontsHaveEveryGlyphAndTheirHeights.
TEST_F(ArtPictures, EveryPictureLoadsInTheGameAtTheSizeTheManifestStates) {
  ASSERT_TRUE(base_->errors().empty()) << base_->errors().front();
  std::map<std::string, std::pair<int, int>> stated;
  std::ifstream in(std::string(QV_SOURCE_DIR) + "/data/art.manifest");
  const std::regex line(R"(^(\S+)\s+#\s*(\d+)x(\d+),)");
  for (std::string text; std::getline(in, text);) {
    std::smatch m;
    if (std::regex_search(text, m, line)) stated[m[1]] = {std::stoi(m[2]), std::stoi(m[3])};
  }
  EXPECT_GE(stated.size(), 70u);
  for (const auto& [name, bytes] : base_->entries()) {
    if (name.ends_with(".cfn") || name.ends_with(".font")) continue;
    std::unique_ptr<gfx::Picture> picture;
    if (name == "flag0.aspr") {
      auto flag = std::make_unique<gfx::AnimPicture>();
      if (flag->LoadResampled(name, source_, 16, 20)) picture = std::move(flag);
    } else if (name.ends_with(".sft")) {
      auto stream = std::make_unique<gfx::StreamPicture>();
      if (stream->Load(name, source_)) picture = std::move(stream);
    } else {
      picture = gfx::loadPicture(name, source_);
    }
    ASSERT_TRUE(picture) << name << " does not load";
    EXPECT_GT(picture->width(), 0) << name;
    if (auto it = stated.find(name); it != stated.end()) {
      EXPECT_EQ((std::pair<int, int>(picture->width(), picture->height())), it->second) << name;
    }
    stated.erase(name);
  }
  EXPECT_TRUE(stated.empty()) << stated.begin()->first << " has a size but is no picture";
}

TEST_F(ArtPictures, TheManifestNamesExactlyWhatIsGeneratedAndTwoRunsGiveTheSameBytes) {
  std::set<std::string> generated;
  for (const auto& entry : base_->entries())
    generated.insert(entry.first);
  EXPECT_EQ(assetgen_testing::manifestNames("art.manifest"), generated);
  const assetgen::ArtOutput again = assetgen::DrawAllArt(1);
  ASSERT_EQ(again.entries().size(), base_->entries().size());
  for (const auto& [name, bytes] : base_->entries())
    EXPECT_EQ(again.entries().at(name), bytes) << name;
}

// The scene resamples the goo images, which turns their rows over: the stored balls must come
// out lit from the upper left, not from below.
TEST_F(ArtPictures, GooImagesAppearLitFromAboveOnceResampledByTheScene) {
  for (int i = 0; i < 5; ++i) {
    const std::string name = "gooimage" + std::to_string(i) + ".sft";
    for (int side : {16, 10, 30}) {
      gfx::StreamPicture ball;
      ASSERT_TRUE(ball.LoadResampled(name, source_, side, side)) << name;
      ASSERT_EQ(ball.width(), side);
      gfx::SurfaceBuffer buffer(side, side, 0);
      ball.Draw(buffer.surface(), 0, 0, nullptr, 0);
      const int half = side / 2;
      EXPECT_GT(regionBrightness(buffer.surface(), 0, 0, half, half),
                regionBrightness(buffer.surface(), half, half, half, half))
          << name << " at " << side << ": the upper left should be the lit side";
      EXPECT_EQ(buffer.surface().at(0, 0), 0) << name << ": the corners stay transparent";
      EXPECT_NE(buffer.surface().at(half, half), 0) << name;
    }
  }
}

// The flag animation is loaded by the scene's resampling loader at its zoomed size; the pole's
// knob must end up at the top and the cloth in the upper half.
TEST_F(ArtPictures, FlagFramesResampleToTheFlagSizeTheRightWayUp) {
  for (auto [w, h] : {std::pair{16, 20}, std::pair{7, 8}}) {
    gfx::AnimPicture flag;
    ASSERT_TRUE(flag.LoadResampled("flag0.aspr", source_, w, h));
    EXPECT_EQ(flag.width(), w);
    EXPECT_EQ(flag.height(), h);
    gfx::SurfaceBuffer buffer(w, h, 0);
    flag.Draw(buffer.surface(), 0, 0, nullptr, 0);
    int upper = 0, lower = 0;
    for (int y = 0; y < h; ++y)
      for (int x = w / 4; x < w; ++x)
        (y < h / 2 ? upper : lower) += buffer.surface().at(x, y) != 0;
    EXPECT_GT(upper, 3 * lower) << w << "x" << h << ": the cloth flies at the top of the pole";
  }
  // Four different frames make the wave move.
  std::set<std::vector<std::byte>> frames;
  for (int f = 0; f < 4; ++f)
    frames.insert(base_->entries().at("flag0_" + std::to_string(f) + ".sft"));
  EXPECT_EQ(frames.size(), 4u);
}

// The experience icon shows the frame of its points value: the star fills up with the points.
TEST_F(ArtPictures, ExperienceStarFillsUpFrameByFrame) {
  auto icon = gfx::loadPicture("expicon.aspr", source_);
  ASSERT_TRUE(icon);
  int previous = -1;
  for (std::uint32_t points = 0; points <= 10; ++points) {
    gfx::SurfaceBuffer buffer(icon->width(), icon->height(), 0);
    icon->Draw(buffer.surface(), 0, 0, nullptr, points);
    int gold = 0;
    for (std::uint16_t p : buffer.pixels())
      gold += ((p >> 11) & 0x1F) > 24 && ((p >> 5) & 0x3F) > 40 && (p & 0x1F) < 12;
    if (points == 0)
      EXPECT_EQ(gold, 0) << "no points: a grey star";
    else
      EXPECT_GT(gold, previous) << "points " << points;
    previous = gold;
  }
}

// That the clouds show over the game world is played by Content.clouds.
TEST_F(ArtPictures, CloudsAreTranslucentAndAllDifferent) {
  std::set<std::pair<int, int>> sizes;
  for (int i = 1; i <= 12; ++i) {
    const tools::ArgbImage& cloud = base_->images().at("cloud_" + std::to_string(i) + ".espr");
    std::uint32_t maxAlpha = 0;
    for (std::uint32_t p : cloud.pixels)
      maxAlpha = std::max(maxAlpha, p >> 24);
    EXPECT_LT(maxAlpha, 220u) << "cloud " << i << " lets the sky through";
    // The border rows and columns stay clear, so no cloud shows a cut edge.
    std::uint32_t border = 0;
    for (int x = 0; x < cloud.width; ++x)
      border = std::max({border, cloud.at(x, 0) >> 24, cloud.at(x, cloud.height - 1) >> 24});
    for (int y = 0; y < cloud.height; ++y)
      border = std::max({border, cloud.at(0, y) >> 24, cloud.at(cloud.width - 1, y) >> 24});
    EXPECT_LT(border, 8u) << "cloud " << i << " is cut at its edge";
    sizes.insert({cloud.width, cloud.height});
  }
  EXPECT_EQ(sizes.size(), 12u);
}

// Every picture of the 480 x 640 content is exactly twice the size of its 240 x 320 one.
TEST_F(ArtPictures, ScaleTwoDoublesEveryPicture) {
  ASSERT_TRUE(hires_->errors().empty()) << hires_->errors().front();
  ASSERT_EQ(hires_->images().size(), base_->images().size());
  for (const auto& [name, image] : base_->images()) {
    const tools::ArgbImage& big = hires_->images().at(name);
    EXPECT_EQ(big.width, 2 * image.width) << name;
    EXPECT_EQ(big.height, 2 * image.height) << name;
  }
}

// Fonts: every printable Latin-1 character the screens and the keyboard use has a glyph, and
// each font is as tall as its purpose needs, twice as tall at scale 2.
TEST_F(ArtPictures, FontsHaveEveryGlyphAndTheirHeights) {
  const std::pair<const char*, std::pair<int, int>> heights[] = {
      {"fonts_menu.cfn", {15, 22}}, {"fonts_menua.cfn", {15, 22}}, {"fmsmall.cfn", {10, 16}},
      {"hiscores.cfn", {14, 21}},   {"hiscoresf.cfn", {9, 15}},    {"experien.cfn", {11, 16}},
      {"experiena.cfn", {11, 16}}};
  const std::string needed =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789.,:;!?'-+()%/";
  for (const auto& [name, range] : heights) {
    gfx::ColorFont font, big;
    ASSERT_TRUE(font.Attach(base_->entries().at(name))) << name;
    ASSERT_TRUE(big.Attach(hires_->entries().at(name))) << name;
    const int h = font.TextHeight("Ag");
    EXPECT_GE(h, range.first) << name;
    EXPECT_LE(h, range.second) << name;
    EXPECT_NEAR(big.TextHeight("Ag"), 2 * h, 3) << name << " at scale 2";
    for (char c : needed)
      EXPECT_GT(font.GlyphWidth(static_cast<unsigned char>(c)), 0) << name << " '" << c << "'";
    for (unsigned c : {0xC4u, 0xE9u, 0xF6u, 0xFCu})
      EXPECT_GT(font.GlyphWidth(static_cast<unsigned char>(c)), 0) << name << " code " << c;
  }
  gfx::MaskFont plain;
  ASSERT_TRUE(plain.Attach(base_->entries().at("fmplain.font")));
  EXPECT_GE(plain.TextHeight("Ag"), 11);
  for (char c : needed)
    EXPECT_GT(plain.GlyphWidth(static_cast<unsigned char>(c)), 0) << "fmplain '" << c << "'";
}

}  // namespace
