// Loading scripts from files, as the tools do.
#include "script/script_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "script_harness.h"

namespace script {
namespace {

std::filesystem::path tempDir() {
  std::filesystem::path dir = std::filesystem::path(QV_TEST_TMP_DIR) / "script_file";
  std::filesystem::create_directories(dir);
  return dir;
}

TEST(ScriptFile, LoadsUnderTheFileNameWithoutFolders) {
  const std::filesystem::path path = tempDir() / "menu.scr";
  {
    std::ofstream out(path, std::ios::binary);
    out << "function Init(h)\r\n{\r\n\treturn h;\r\n}\r\n";
  }
  testing::ScriptHarness h;
  ASSERT_TRUE(loadScriptFile(h.engine(), path.string()).ok());
  EXPECT_EQ(h.engine().scriptName(), "menu.scr");
  const std::vector<std::string> args{"7"};
  EXPECT_EQ(h.engine().CallFunction("Init", args), "7");
}

TEST(ScriptFile, MissingFilesAndFoldersAreNotFound) {
  testing::ScriptHarness h;
  for (const std::filesystem::path& path : {tempDir() / "absent.scr", tempDir()}) {
    const util::Status status = loadScriptFile(h.engine(), path.string());
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().code, util::ErrorCode::NotFound);
    EXPECT_EQ(status.error().message, "cannot open '" + path.string() + "'");
  }
}

TEST(ScriptFile, LoadFailureComesBackWithItsReason) {
  const std::filesystem::path path = tempDir() / "bad.scr";
  {
    std::ofstream out(path, std::ios::binary);
    out << "function F(\n";
  }
  testing::ScriptHarness h;
  const util::Status status = loadScriptFile(h.engine(), path.string());
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.error().message,
            "bad.scr:1: malformed parameter list of function 'F' in 'function F('");
}

}  // namespace
}  // namespace script
