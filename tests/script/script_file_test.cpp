// Loading scripts from files, as the tools do; the qvtool script fixtures load the rest.
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

TEST(ScriptFile, MissingFilesAndFoldersAreNotFound) {
  testing::ScriptHarness h;
  for (const std::filesystem::path& path : {tempDir() / "absent.scr", tempDir()}) {
    const util::Status status = loadScriptFile(h.engine(), path.string());
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().code, util::ErrorCode::NotFound);
    EXPECT_EQ(status.error().message, "cannot open '" + path.string() + "'");
  }
}

}  // namespace
}  // namespace script
