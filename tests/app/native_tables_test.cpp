// The native tables as listed for tools are the ones a started game registers.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/application.h"
#include "archive_fixture.h"
#include "platform/headless/headless_platform.h"
#include "script/native_registry.h"

namespace {

namespace fs = std::filesystem;

TEST(NativeTables, TheListingIsWhatAStartedGameRegistersAndCoversEveryNative) {
  const fs::path dir = fs::path(QV_TEST_TMP_DIR) / "native_tables";
  fs::remove_all(dir);
  fs::create_directories(dir);
  testing_support::writeArchive((dir / "graphics.dat").string(),
                                {{"init.scr", testing_support::plainInitScript()}});
  platform::HeadlessConfig config;
  config.installFolder = dir.string() + "/";
  platform::HeadlessPlatform headless(config);
  app::Application application(headless);
  ASSERT_EQ(application.StartUp(), 0);

  const auto listed = app::Application::DescribeNativeTables(headless);
  const auto& started = application.nativeTables();
  ASSERT_EQ(listed.size(), 4u);
  ASSERT_EQ(started.size(), 4u);
  std::vector<std::string> all;
  for (std::size_t t = 0; t < 4; ++t) {
    EXPECT_EQ(listed[t].title, started[t].title);
    EXPECT_EQ(listed[t].names, started[t].names) << listed[t].title;
    all.insert(all.end(), listed[t].names.begin(), listed[t].names.end());
  }

  // Every native a script can call belongs to exactly one listed table, in registry order.
  std::vector<std::string> registered;
  for (const auto& entry : application.natives().entries())
    registered.push_back(entry.name);
  EXPECT_EQ(all, registered);
}

}  // namespace
