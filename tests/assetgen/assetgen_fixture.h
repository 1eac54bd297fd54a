// The generated art at both scales, drawn once per test program, a source that reads its
// entries the way the game reads graphics.dat, and the names a data/*.manifest packs.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include "assetgen/art/art.h"
#include "fixtures/gfx/image_bytes.h"

namespace assetgen_testing {

// The entry names data/FILE lists, one a line before any "#" comment.
inline std::set<std::string> manifestNames(const std::string& file) {
  std::ifstream in(std::string(QV_SOURCE_DIR) + "/data/" + file);
  EXPECT_TRUE(in) << file;
  std::set<std::string> names;
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line.substr(0, line.find('#')));
    std::string name;
    if (words >> name) names.insert(name);
  }
  return names;
}

// Test suites over the art: base_ at scale 1, hires_ at scale 2.
class ArtSuite : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!base_) base_ = std::make_unique<assetgen::ArtOutput>(assetgen::DrawAllArt(1));
    if (!hires_) hires_ = std::make_unique<assetgen::ArtOutput>(assetgen::DrawAllArt(2));
    source_.entries = base_->entries();
  }
  static inline std::unique_ptr<assetgen::ArtOutput> base_;
  static inline std::unique_ptr<assetgen::ArtOutput> hires_;
  static inline gfx::testing::MapSource source_;  // base_'s entries as the game reads them
};

}  // namespace assetgen_testing
