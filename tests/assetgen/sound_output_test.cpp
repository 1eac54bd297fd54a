// WriteSounds against the manifest that packs its output: every entry data/sounds.manifest
// names is written and nothing else (tests/scripts/sound_content.py has independent players read
// each file); an unwritable folder is reported per file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "assetgen/sound/sounds.h"
#include "assetgen_fixture.h"

namespace {

namespace fs = std::filesystem;

TEST(SoundOutput, WritesExactlyTheManifestsEntriesAndReportsEachFileItCannotWrite) {
  const fs::path dir = fs::path(QV_TEST_TMP_DIR) / "sound_output";
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::ostringstream errors;
  ASSERT_TRUE(assetgen::WriteSounds(dir, errors)) << errors.str();
  EXPECT_EQ(errors.str(), "");
  std::set<std::string> written;
  for (const auto& entry : fs::directory_iterator(dir))
    written.insert(entry.path().filename().string());
  EXPECT_EQ(written, assetgen_testing::manifestNames("sounds.manifest"));

  const fs::path missing = dir / "no" / "dir";
  EXPECT_FALSE(assetgen::WriteSounds(missing, errors));
  const std::string text = errors.str();
  EXPECT_NE(text.find("assetgen: cannot write " + (missing / "4.xm").string() + "\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 25) << text;
}

}  // namespace
