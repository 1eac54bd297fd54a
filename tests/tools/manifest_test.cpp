// Manifests: directives, lookup order, replacement, includes, and packing what they name (an
// archive line with entries replaced over it is packed and played by ExampleMod).
#include "lib/manifest.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include "lib/archive_writer.h"
#include "lib/manifest_pack.h"
#include "lib/picture_decoders.h"
#include "lib/png_io.h"
#include "resources/resource_archive.h"
#include "util/readable_file.h"

namespace {

namespace fs = std::filesystem;

class ManifestTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::path(QV_TEST_TMP_DIR) / "manifest" /
            ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(root_);
    fs::create_directories(root_);
  }

  fs::path write(const std::string& relative, const std::string& text) {
    const fs::path path = root_ / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  std::vector<tools::ManifestEntry> read(const std::string& manifest,
                                         const std::vector<fs::path>& dirs = {}) {
    auto entries = tools::readManifest(root_ / manifest, dirs);
    EXPECT_TRUE(entries.ok()) << (entries.ok() ? "" : entries.error().message);
    return entries.ok() ? *entries : std::vector<tools::ManifestEntry>{};
  }

  std::string failure(const std::string& manifest, const std::vector<fs::path>& dirs = {}) {
    auto entries = tools::readManifest(root_ / manifest, dirs);
    if (entries.ok()) {
      auto loaded = tools::loadManifestEntries(*entries);
      return loaded.ok() ? "no failure" : loaded.error().message;
    }
    return entries.error().message;
  }

  // Packs the manifest and opens the result as the game does.
  std::unique_ptr<resources::ResourceArchive> pack(const std::string& manifest,
                                                   const std::vector<fs::path>& dirs = {}) {
    auto loaded = tools::loadManifestEntries(read(manifest, dirs));
    EXPECT_TRUE(loaded.ok()) << (loaded.ok() ? "" : loaded.error().message);
    auto bytes = tools::buildArchive(loaded.ok() ? *loaded : std::vector<tools::ArchiveEntry>{});
    EXPECT_TRUE(bytes.ok());
    auto archive = std::make_unique<resources::ResourceArchive>();
    EXPECT_EQ(archive->Open(std::make_unique<util::MemoryFile>(*bytes)), 0);
    return archive;
  }

  static std::string text(resources::ResourceArchive& archive, const std::string& name) {
    auto span = archive.GetSpan(name);
    return std::string(reinterpret_cast<const char*>(span.data()), span.size());
  }

  fs::path root_;
};

// Comments, blank lines, CR LF and tabs; a source named as the entry by default; included paths
// relative to their own manifest; a later line replacing an entry (names without case) in its
// first place.
TEST_F(ManifestTest, LinesIncludesAndReplacement) {
  write("top/m",
        "# the whole line\n\ninclude ../parts/p\n  last.scr\tsub/l.txt  # renamed\r\n"
        "A.SCR three\n");
  write("top/sub/l.txt", "L");
  write("top/three", "3");
  write("parts/p", "a.scr one\ninner.scr\n");
  write("parts/one", "1");
  write("parts/inner.scr", "I");
  auto archive = pack("top/m");
  ASSERT_EQ(archive->entryCount(), 3u);
  const auto listed = archive->listEntries();
  EXPECT_EQ(listed[0].name, "A.SCR");
  EXPECT_EQ(listed[1].name, "inner.scr");
  EXPECT_EQ(text(*archive, "a.scr"), "3");
  EXPECT_EQ(text(*archive, "inner.scr"), "I");
  EXPECT_EQ(text(*archive, "last.scr"), "L");
}

TEST_F(ManifestTest, SourcesBesideTheManifestComeBeforeSearchFolders) {
  write("data/m", "x.scr\ny.scr\n");
  write("data/x.scr", "beside");
  write("gen1/x.scr", "generated");
  write("gen1/y.scr", "first folder");
  write("gen2/y.scr", "second folder");
  auto archive = pack("data/m", {root_ / "gen1", root_ / "gen2"});
  EXPECT_EQ(text(*archive, "x.scr"), "beside");
  EXPECT_EQ(text(*archive, "y.scr"), "first folder");
}

TEST_F(ManifestTest, PngSourcesAreEncodedAsTheirEntryAsks) {
  tools::ArgbImage image(3, 2, 0xFFFF0000);
  image.at(1, 0) = 0xFF0000FF;
  image.at(2, 1) = 0xFF00FF00;
  ASSERT_TRUE(tools::writePng((root_ / "p.png").string(), image).ok());
  write("m", "p.spr p.png spr4\np8.spr p.png spr8\np.tga p.png tga24\np.espr p.png\n");
  auto archive = pack("m");
  for (const char* name : {"p.spr", "p8.spr", "p.tga", "p.espr"}) {
    auto decoded = tools::decodePicture(name, archive->GetSpan(name));
    ASSERT_TRUE(decoded.ok()) << name;
    EXPECT_EQ(decoded->width, 3);
    EXPECT_EQ(decoded->at(0, 0) & 0xFFFFFF, 0xFF0000u) << name;
    EXPECT_EQ(decoded->at(1, 0) & 0xFFFFFF, 0x0000FFu) << name;
    EXPECT_EQ(decoded->at(2, 1) & 0xFFFFFF, 0x00FF00u) << name;
  }
}

// Missing sources, long names, malformed lines, missing includes and include loops are checked
// through qvtool pack (tests/scripts/qvtool_errors.cmake); here the picture formats.
TEST_F(ManifestTest, PictureFormatFailuresNameTheLineAndTheReason) {
  tools::ArgbImage many(20, 1);
  for (int x = 0; x < 20; ++x)
    many.at(x, 0) = 0xFF000000u | static_cast<std::uint32_t>(x * 8);
  ASSERT_TRUE(tools::writePng((root_ / "many.png").string(), many).ok());
  many.width = 16;  // the first row's first 16 pixels: exactly a 4-bit palette
  many.pixels.resize(16);
  ASSERT_TRUE(tools::writePng((root_ / "full.png").string(), many).ok());
  write("full", "f.spr full.png spr4\n");
  EXPECT_EQ(failure("full"), "no failure");
  write("a.scr", "A");
  write("format", "a.scr a.scr spr8\n");
  write("badformat", "m.spr many.png cmb8\n");
  write("colours", "m.spr many.png spr4\n");
  EXPECT_NE(failure("format").find("format:1: a.scr: a format applies only to a .png source"),
            std::string::npos);
  EXPECT_NE(failure("badformat").find("format 'cmb8' does not apply to .spr"), std::string::npos);
  EXPECT_NE(failure("colours").find("colours:1: m.spr: "), std::string::npos);
}

// The writer's own check, behind the manifest's: what the game's archive reader can't name.
TEST(ArchiveWriter, RefusesEmptyLongAndNonAsciiNames) {
  for (const char* name : {"", "sixteen_char.scr", "caf\xC3\xA9.scr"})
    EXPECT_FALSE(tools::buildArchive({{name, {}}}).ok()) << name;
  EXPECT_TRUE(tools::buildArchive({{"fifteen_chr.scr", {}}}).ok());
}

}  // namespace
