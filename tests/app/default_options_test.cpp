// A fresh install: the default options.dat the build puts beside graphics.dat.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/application.h"
#include "archive_fixture.h"
#include "platform/headless/headless_platform.h"
#include "platform/save_folder.h"
#include "sound/recording_sound_library.h"

namespace {

namespace fs = std::filesystem;

bool called(const std::vector<std::string>& calls, const std::string& call) {
  return std::find(calls.begin(), calls.end(), call) != calls.end();
}

// An installation in folder: the default options.dat beside a graphics.dat with a menu song.
void install(const fs::path& folder) {
  fs::create_directories(folder);
  fs::copy_file(fs::path(QV_SOURCE_DIR) / "data/options.default", folder / "options.dat");
  testing_support::writeArchive(
      (folder / "graphics.dat").string(),
      {{"init.scr", testing_support::plainInitScript()}, {"4.xm", "menu song"}});
}

// A fresh install plays music and effects at their default volumes; with a save folder the
// game reads the defaults copied there and never writes to the installation.
TEST(DefaultOptions, AFreshInstallPlaysMusicAndEffectsAtTheirDefaultVolumes) {
  const fs::path root = fs::path(QV_TEST_TMP_DIR) / "default_options";
  fs::remove_all(root);
  install(root / "install");
  platform::HeadlessConfig config;
  config.installFolder = (root / "install").string() + "/";
  config.saveFolder = (root / "user/quorvex").string() + "/";
  ASSERT_TRUE(platform::PrepareSaveFolder(config.installFolder, config.saveFolder));
  fs::remove(root / "install/options.dat");  // from now on only the user's copy may be read
  platform::HeadlessPlatform headless(config);
  sound::RecordingSoundLibrary library;
  {
    app::Application application(headless, &library);
    ASSERT_EQ(application.StartUp(), 0);
    const auto& calls = library.calls();
    EXPECT_TRUE(called(calls, "SetEffectsVolume(204)")) << "effects on at 80";
    EXPECT_TRUE(called(calls, "PlaySong(1)")) << "the menu song plays";
    EXPECT_TRUE(called(calls, "SetSongVolume(1, 153)")) << "music at 60";
  }
  EXPECT_TRUE(fs::exists(root / "user/quorvex/options.dat"));
  EXPECT_FALSE(fs::exists(root / "install/options.dat")) << "nothing is written to the install";
}

}  // namespace
