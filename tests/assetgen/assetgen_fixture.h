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
#include "gfx/images/entry_source.h"

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

class ArtSource final : public gfx::EntrySource {
 public:
  explicit ArtSource(const assetgen::ArtOutput& art) : art_(art) {}
  std::span<const std::byte> find(std::string_view name) override {
    auto it = art_.entries().find(std::string(name));
    return it == art_.entries().end() ? std::span<const std::byte>{} : it->second;
  }

 private:
  const assetgen::ArtOutput& art_;
};

// Test suites over the art: base_ at scale 1, hires_ at scale 2.
class ArtSuite : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!base_) base_ = std::make_unique<assetgen::ArtOutput>(assetgen::DrawAllArt(1));
    if (!hires_) hires_ = std::make_unique<assetgen::ArtOutput>(assetgen::DrawAllArt(2));
  }
  static inline std::unique_ptr<assetgen::ArtOutput> base_;
  static inline std::unique_ptr<assetgen::ArtOutput> hires_;
};

}  // namespace assetgen_testing
