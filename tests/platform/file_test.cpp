// Files as the game reads and holds them; writing options.dat and scores.dat in place of the
// installed ones is played by Content.options and the content games' records.
#include "platform/file.h"
#include "fixtures/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

namespace {

class PlatformFile : public testing_support::TempFolderTest {
 protected:
  std::string path(const char* name) const { return (dir_ / name).string(); }
};

TEST_F(PlatformFile, ReadsAtOffsetsWithShortCountsAtTheEnd) {
  std::ofstream(path("a.bin"), std::ios::binary) << "hello world";
  auto file = platform::openReadableFile(path("a.bin"), platform::OpenMode::Shared);
  ASSERT_TRUE(file);
  EXPECT_EQ((*file)->sizeBytes(), 11u);
  std::byte buf[8];
  EXPECT_EQ((*file)->readAt(6, buf), 5u);
  EXPECT_EQ(static_cast<char>(buf[0]), 'w');
  EXPECT_EQ((*file)->readAt(11, buf), 0u);
  EXPECT_EQ((*file)->readAt(1000, buf), 0u);
}

TEST_F(PlatformFile, MissingFilesAndFoldersAreRefused) {
  auto file = platform::openReadableFile(path("none"), platform::OpenMode::Shared);
  ASSERT_FALSE(file);
  EXPECT_EQ(file.error().code, util::ErrorCode::NotFound);
  EXPECT_FALSE(platform::openReadableFile(dir_.string(), platform::OpenMode::Shared));
  auto status = platform::writeFileAtomically(path("no/such/dir/scores.dat"), {});
  ASSERT_FALSE(status);
  EXPECT_EQ(status.error().code, util::ErrorCode::Io);
}

// The lock is per process: a child process must be refused while the parent holds the file.
TEST_F(PlatformFile, ExclusiveHoldRefusesAnotherProcess) {
  std::ofstream(path("g.dat")) << "x";
  auto held = platform::openReadableFile(path("g.dat"), platform::OpenMode::Exclusive);
  ASSERT_TRUE(held);
  const pid_t child = fork();
  if (child == 0) {
    auto again = platform::openReadableFile(path("g.dat"), platform::OpenMode::Exclusive);
    _exit(!again && again.error().code == util::ErrorCode::Locked ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  // A shared reader is still allowed, and the hold ends with the file object.
  EXPECT_TRUE(platform::openReadableFile(path("g.dat"), platform::OpenMode::Shared));
  held.value().reset();
  EXPECT_TRUE(platform::openReadableFile(path("g.dat"), platform::OpenMode::Exclusive));
}

}  // namespace
