// Where the player's files go, and the first start of a fresh installation.
#include "platform/save_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace {

namespace fs = std::filesystem;

platform::SaveFolderRules rules(bool writable, std::map<std::string, std::string> env) {
  platform::SaveFolderRules r;
  r.writable = [writable](const std::string&) { return writable; };
  r.environment = [env](const char* name) -> std::optional<std::string> {
    auto it = env.find(name);
    if (it == env.end() || it->second.empty()) return std::nullopt;
    return it->second;
  };
  return r;
}

TEST(SaveFolder, AWritableInstallKeepsTheFilesElseTheUsersDataFolder) {
  const std::map<std::string, std::string> both{{"XDG_DATA_HOME", "/x/data"}, {"HOME", "/home/p"}};
  EXPECT_EQ(platform::ChooseSaveFolder("/opt/q/", rules(true, both)), "/opt/q/");
  EXPECT_EQ(platform::ChooseSaveFolder("/usr/share/games/quorvex/", rules(false, both)),
            "/x/data/quorvex/");
  EXPECT_EQ(platform::ChooseSaveFolder("/usr/share/games/quorvex/",
                                       rules(false, {{"XDG_DATA_HOME", ""}, {"HOME", "/home/p/"}})),
            "/home/p/.local/share/quorvex/")
      << "an empty XDG_DATA_HOME counts as unset";
  EXPECT_EQ(platform::ChooseSaveFolder("/usr/share/games/quorvex/", rules(false, {})), "");
}

TEST(SaveFolder, TheFirstStartCopiesTheDefaultOptionsAndNeverOverwritesSavedOnes) {
  const fs::path root = fs::path(QV_TEST_TMP_DIR) / "save_folder";
  fs::remove_all(root);
  fs::create_directories(root / "install");
  std::ofstream(root / "install/options.dat") << "MusicOn = 1\n";
  const std::string install = (root / "install").string() + "/";
  const std::string save = (root / "user/data/quorvex").string() + "/";

  ASSERT_TRUE(platform::PrepareSaveFolder(install, save));
  std::stringstream copied;
  copied << std::ifstream(save + "options.dat").rdbuf();
  EXPECT_EQ(copied.str(), "MusicOn = 1\n");

  std::ofstream(save + "options.dat") << "MusicOn = 0\n";  // the player's own choice
  ASSERT_TRUE(platform::PrepareSaveFolder(install, save));
  std::stringstream kept;
  kept << std::ifstream(save + "options.dat").rdbuf();
  EXPECT_EQ(kept.str(), "MusicOn = 0\n");

  // A file where the folder should be: refused, so the caller falls back.
  std::ofstream(root / "blocked") << "x";
  EXPECT_FALSE(platform::PrepareSaveFolder(install, (root / "blocked/quorvex").string() + "/"));
  EXPECT_FALSE(platform::PrepareSaveFolder(install, ""));
}

TEST(SaveFolder, TheHostRulesTestAFolderByWritingInIt) {
  const fs::path root = fs::path(QV_TEST_TMP_DIR) / "save_folder_host";
  fs::create_directories(root);
  const auto host = platform::HostSaveFolderRules();
  EXPECT_TRUE(host.writable(root.string() + "/"));
  EXPECT_FALSE(host.writable((root / "missing").string() + "/"));
  EXPECT_TRUE(fs::is_empty(root)) << "the probe file is removed";
}

}  // namespace
