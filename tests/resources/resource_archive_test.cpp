#include "resources/resource_archive.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "fixtures/resources/memory_archive.h"
#include "resources/archive_format.h"

namespace resources {
namespace {

using testing_support::Entries;

std::vector<std::byte> archiveBytes(const Entries& entries) {
  const std::string s = testing_support::buildArchiveBytes(entries);
  const auto* p = reinterpret_cast<const std::byte*>(s.data());
  return {p, p + s.size()};
}

void putU32At(std::vector<std::byte>& bytes, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i)
    bytes[at + i] = static_cast<std::byte>((v >> (8 * i)) & 0xFF);
}

// Counts reads so tests can see whether the cache was used.
class CountingFile final : public util::ReadableFile {
 public:
  CountingFile(std::vector<std::byte> bytes, int* reads)
      : inner_(std::move(bytes)), reads_(reads) {}
  std::uint64_t sizeBytes() const override { return inner_.sizeBytes(); }
  std::size_t readAt(std::uint64_t offset, std::span<std::byte> out) override {
    ++*reads_;
    return inner_.readAt(offset, out);
  }

 private:
  util::MemoryFile inner_;
  int* reads_;
};

// The entry as text, or "<null>" when Get gives nothing.
std::string getText(ResourceArchive& archive, std::string_view name) {
  std::uint32_t size = 0;
  const std::byte* data = archive.Get(name, &size);
  return data == nullptr ? "<null>" : std::string(reinterpret_cast<const char*>(data), size);
}

int openBytes(ResourceArchive& archive, std::vector<std::byte> bytes) {
  return archive.Open(std::make_unique<util::MemoryFile>(std::move(bytes)));
}

TEST(ResourceArchive, NamesAreMaskedAndLookedUpWithoutCase) {
  const std::vector<std::byte> bytes = archiveBytes({{"init.scr", "Init() {}"},
                                                     {"dup.txt", "first"},
                                                     {"DUP.TXT", "second!"},
                                                     {"e", ""},
                                                     {"abcdefghijkl.scr", "x"}});
  int reads = 0;
  ResourceArchive archive;
  ASSERT_EQ(archive.Open(std::make_unique<CountingFile>(bytes, &reads)), kArchiveOk);
  EXPECT_EQ(archive.entryCount(), 5u);
  std::uint32_t size = 0;
  const std::byte* lower = archive.Get("init.scr", &size);
  ASSERT_NE(lower, nullptr);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(lower), size), "Init() {}");
  EXPECT_EQ(lower[size], std::byte{0});
  const int readsAfterFirst = reads;
  EXPECT_EQ(archive.Get("INIT.SCR"), lower);
  EXPECT_EQ(reads, readsAfterFirst) << "cached Gets must not touch the file";
  EXPECT_EQ(getText(archive, "Dup.Txt"), "first") << "the earlier of two equal names wins";
  EXPECT_EQ(archive.Size("ABCDEFGHIJKL.SCR"), 1u) << "a 16-character name is read whole";
  const std::byte* empty = archive.Get("e", &size);
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(empty[0], std::byte{0});
  EXPECT_EQ(archive.Size("y.bin"), 0xFFFFFFFFu);
  EXPECT_EQ(archive.Get("y.bin"), nullptr);
  EXPECT_TRUE(archive.GetSpan("y.bin").empty());
}

TEST(ResourceArchive, FreeDropsTheCacheAndCopyLeavesItAlone) {
  int reads = 0;
  ResourceArchive archive;
  ASSERT_EQ(archive.Open(std::make_unique<CountingFile>(
                archiveBytes({{"a.txt", "alpha"}, {"m.xm", "music"}}), &reads)),
            kArchiveOk);
  EXPECT_FALSE(archive.Free("a.txt")) << "not cached yet";
  ASSERT_NE(archive.Get("a.txt"), nullptr);
  EXPECT_TRUE(archive.Free("A.TXT"));
  EXPECT_FALSE(archive.Free("a.txt"));
  const int before = reads;
  EXPECT_EQ(getText(archive, "a.txt"), "alpha");
  EXPECT_GT(reads, before);

  std::vector<std::byte> copy;
  std::uint32_t size = 0;
  ASSERT_TRUE(archive.Copy("M.XM", copy, &size));
  EXPECT_EQ(size, 5u);
  EXPECT_FALSE(archive.Free("m.xm")) << "Copy must not fill the cache";
  std::vector<std::byte> untouched{std::byte{7}};
  EXPECT_FALSE(archive.Copy("nothing", untouched));
  EXPECT_EQ(untouched.size(), 1u);
}

TEST(ResourceArchive, HeaderAndEndOffset) {
  ResourceArchive archive;
  std::vector<std::byte> bytes = archiveBytes({{"a.txt", "alpha"}});
  putU32At(bytes, 4, 8);  // entries after the end offset are not part of the archive
  ASSERT_EQ(openBytes(archive, bytes), kArchiveOk);
  EXPECT_EQ(archive.entryCount(), 0u);
  EXPECT_EQ(archive.Size("a.txt"), 0xFFFFFFFFu);

  bytes[3] = std::byte{'1'};  // "1.01"
  EXPECT_EQ(openBytes(archive, bytes), kArchiveBadHeader);
  EXPECT_EQ(archive.Get("a.txt"), nullptr);
  // The magic alone, without an end offset, is not a header either.
  bytes = archiveBytes({});
  bytes.resize(4);
  EXPECT_EQ(openBytes(archive, bytes), kArchiveBadHeader);
  EXPECT_EQ(archive.Open(nullptr), kArchiveCannotOpen);
}

TEST(ResourceArchive, TruncatedFilesNeverOverrun) {
  const std::vector<std::byte> whole =
      archiveBytes({{"first.txt", "one"}, {"big.txt", std::string(3000, 'q')}});
  // Cut the file at every length: Open succeeds or refuses the header, Get returns the whole
  // entry or nothing, never a partial one.
  for (std::size_t cut = 0; cut < whole.size(); ++cut) {
    ResourceArchive archive;
    const int rc = openBytes(archive, {whole.begin(), whole.begin() + static_cast<long>(cut)});
    ASSERT_TRUE(rc == kArchiveOk || rc == kArchiveBadHeader) << cut;
    EXPECT_EQ(archive.Get("big.txt"), nullptr) << "truncated entry served at cut " << cut;
    std::vector<std::byte> copy;
    EXPECT_FALSE(archive.Copy("big.txt", copy)) << cut;
    if (cut >= 8 + 24 + 11 + 24) {
      EXPECT_EQ(getText(archive, "first.txt"), "one") << cut;
    }
  }
}

// Stored size S at byte 24, decompressed size U at 28, the stream from 32.
TEST(ResourceArchive, WrongSizesOrACorruptStreamGiveNoEntry) {
  const std::string data(200, 'z');
  const struct {
    const char* fault;
    std::size_t at;
    std::uint32_t value;  // written as a size, or XORed into the byte
  } cases[] = {{"U one too small: zlib would overrun", 28, 199},
               {"U too large: the stream ends early", 28, 205},
               {"absurd U: refused without allocating it", 28, 0xFFFFFFF0u},
               {"S past the end of the file", 24, 100000},
               {"corrupt stream", 36, 0x5A},
               {"corrupt adler-32", 0, 0xFF}};
  for (const auto& c : cases) {
    std::vector<std::byte> bytes = archiveBytes({{"a.txt", data}});
    if (c.at >= 32 || c.at == 0)
      bytes[c.at ? c.at : bytes.size() - 2] ^= static_cast<std::byte>(c.value);
    else
      putU32At(bytes, c.at, c.value);
    ResourceArchive archive;
    ASSERT_EQ(openBytes(archive, bytes), kArchiveOk) << c.fault;
    EXPECT_EQ(archive.Get("a.txt"), nullptr) << c.fault;
    std::vector<std::byte> copy;
    EXPECT_FALSE(archive.Copy("a.txt", copy)) << c.fault;
  }
}

// The in-memory file every archive test reads through: a read over the end gives what is there.
TEST(MemoryFile, AReadOverTheEndGivesOnlyWhatIsThere) {
  util::MemoryFile file({std::byte{1}, std::byte{2}, std::byte{3}});
  std::array<std::byte, 8> out{};
  EXPECT_EQ(file.readAt(1, out), 2u);
  EXPECT_EQ(file.readAt(3, out), 0u);
}

}  // namespace
}  // namespace resources
