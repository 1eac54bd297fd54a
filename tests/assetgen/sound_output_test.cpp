// WriteSounds against the manifest that packs its output: every entry data/sounds.manifest
// names is written, nothing else, each a readable .wav or .xm; an unwritable folder is
// reported per file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "assetgen/sound/sounds.h"
#include "assetgen_fixture.h"

namespace {

namespace fs = std::filesystem;

std::string head(const fs::path& path, std::size_t n) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes(n, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(n));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

TEST(SoundOutput, WritesExactlyTheManifestsEntries) {
  const fs::path dir = fs::path(QV_TEST_TMP_DIR) / "sound_output";
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::ostringstream errors;
  ASSERT_TRUE(assetgen::WriteSounds(dir, errors)) << errors.str();
  EXPECT_EQ(errors.str(), "");
  std::set<std::string> written;
  for (const auto& entry : fs::directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    written.insert(name);
    if (entry.path().extension() == ".wav") {
      const std::string h = head(entry.path(), 12);
      EXPECT_EQ(h.substr(0, 4), "RIFF") << name;
      EXPECT_EQ(h.substr(8, 4), "WAVE") << name;
      EXPECT_LT(fs::file_size(entry.path()), 100000u) << name << " is no short effect";
    } else {
      EXPECT_EQ(head(entry.path(), 17), "Extended Module: ") << name;
      EXPECT_LT(fs::file_size(entry.path()), 32000u) << name;
    }
  }
  const std::set<std::string> expected = assetgen_testing::manifestNames("sounds.manifest");
  EXPECT_EQ(expected.size(), 25u) << "four songs and twenty-one effects";
  EXPECT_EQ(written, expected);
}

TEST(SoundOutput, ReportsEachFileItCannotWrite) {
  const fs::path missing = fs::path(QV_TEST_TMP_DIR) / "sound_output_missing" / "no" / "dir";
  fs::remove_all(missing.parent_path().parent_path());
  std::ostringstream errors;
  EXPECT_FALSE(assetgen::WriteSounds(missing, errors));
  const std::string text = errors.str();
  EXPECT_NE(text.find("assetgen: cannot write " + (missing / "4.xm").string() + "\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 25) << text;
}

}  // namespace
