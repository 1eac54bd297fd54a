// Saves that are killed half-way: a child process writes options.dat over and over,
// alternating two versions, and is killed with SIGKILL at random moments. After every kill the
// file must hold one whole version, never a mix or a cut-off file. (scores.dat is written
// through the same atomic replacement.)
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "platform/file.h"
#include "settings/key_value_file.h"
#include "settings/options.h"
#include "util/random.h"

namespace {

namespace fs = std::filesystem;

// A version of the options: the ten keys and many keys of a newer game version (kept on
// save), so each write takes long enough for kills to land inside it.
settings::KeyValueFile optionsVersion(const std::string& path, int value) {
  settings::KeyValueFile file;
  file.Load(path);  // absent at first: an empty list
  for (const std::string_view key : settings::kOptionKeys)
    file.SetInt(std::string(key), value);
  for (int i = 0; i < 3000; ++i)
    file.SetInt("Extra" + std::to_string(i), value + i);
  return file;
}

TEST(CrashSafeSaves, AKilledWriterAlwaysLeavesAWholeOldOrNewFile) {
  const fs::path dir = fs::path(QV_TEST_TMP_DIR) / "crash_safe_saves";
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string options = (dir / "options.dat").string();

  settings::KeyValueFile optionsA = optionsVersion(options, 0),
                         optionsB = optionsVersion(options, 100);
  const std::string textA = optionsA.Text(), textB = optionsB.Text();
  ASSERT_NE(textA, textB);
  ASSERT_TRUE(optionsA.Save());

  const std::uint32_t seed = static_cast<std::uint32_t>(::getpid());
  std::printf("crash-safe saves: kill delays seeded with %u\n", seed);
  util::Random random(seed);
  int killedMidWrite = 0;
  for (int round = 0; round < 60; ++round) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (;;) {  // the child saves until it is killed
        optionsB.Save();
        optionsA.Save();
      }
    }
    ::usleep(static_cast<useconds_t>(random.next() % 20000));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);

    const auto text = platform::readWholeFile(options);
    ASSERT_TRUE(text && (*text == textA || *text == textB))
        << "round " << round << ": options.dat holds neither version";
    if (fs::exists(options + ".tmp")) ++killedMidWrite;
  }
  // Some kills must have hit a write in progress, or the test proved nothing.
  EXPECT_GT(killedMidWrite, 0);
  // A half-written temporary file never stands in for the real one: the next load reads a
  // whole version.
  settings::KeyValueFile reloaded;
  ASSERT_TRUE(reloaded.Load(options));
  EXPECT_TRUE(reloaded.Get("MusicVolume") == "0" || reloaded.Get("MusicVolume") == "100");
}

}  // namespace
