#include "resources/resource_archive.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>
#include <string>
#include <vector>

#include "resources/archive_format.h"

namespace resources {
namespace {

struct RawEntry {
  std::string name;
  std::string data;
  // Overrides for corrupt files; -1 keeps the true value.
  long long storedSize = -1;
  long long decompressedSize = -1;
};

void putU32(std::vector<std::byte>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<std::byte>((v >> (8 * i)) & 0xFF));
}

// Builds an archive file from the format description, independent of the tool's writer.
std::vector<std::byte> buildArchive(const std::vector<RawEntry>& entries,
                                    long long endOffset = -1) {
  std::vector<std::byte> out;
  for (char c : std::string("1.00"))
    out.push_back(static_cast<std::byte>(c));
  putU32(out, 0);
  for (const RawEntry& e : entries) {
    for (std::size_t i = 0; i < 16; ++i) {
      const std::uint8_t c = i < e.name.size() ? static_cast<std::uint8_t>(e.name[i]) : 0;
      out.push_back(static_cast<std::byte>(c ^ kNameMask));
    }
    uLongf packedSize = compressBound(e.data.size());
    std::vector<Bytef> packed(packedSize);
    compress(packed.data(), &packedSize, reinterpret_cast<const Bytef*>(e.data.data()),
             e.data.size());
    putU32(out, static_cast<std::uint32_t>(e.storedSize >= 0 ? e.storedSize : packedSize));
    putU32(out, static_cast<std::uint32_t>(e.decompressedSize >= 0 ? e.decompressedSize
                                                                   : e.data.size()));
    for (uLongf i = 0; i < packedSize; ++i)
      out.push_back(static_cast<std::byte>(packed[i]));
  }
  const std::uint32_t end = static_cast<std::uint32_t>(endOffset >= 0 ? endOffset : out.size());
  for (int i = 0; i < 4; ++i)
    out[4 + i] = static_cast<std::byte>((end >> (8 * i)) & 0xFF);
  return out;
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

std::string text(const std::byte* data, std::uint32_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// The entry as text, or "<null>" when Get gives nothing.
std::string getText(ResourceArchive& archive, std::string_view name) {
  std::uint32_t size = 0;
  const std::byte* data = archive.Get(name, &size);
  return data == nullptr ? "<null>" : text(data, size);
}

int openBytes(ResourceArchive& archive, std::vector<std::byte> bytes) {
  return archive.Open(std::make_unique<util::MemoryFile>(std::move(bytes)));
}

TEST(ResourceArchive, GetIsCaseInsensitiveAndCached) {
  int reads = 0;
  ResourceArchive archive;
  ASSERT_EQ(archive.Open(std::make_unique<CountingFile>(
                buildArchive({{"init.scr", "Init() {}"}, {"4.xm", "song"}}), &reads)),
            kArchiveOk);
  std::uint32_t size = 0;
  const std::byte* lower = archive.Get("init.scr", &size);
  ASSERT_NE(lower, nullptr);
  EXPECT_EQ(size, 9u);
  EXPECT_EQ(text(lower, size), "Init() {}");
  EXPECT_EQ(lower[size], std::byte{0});
  const int readsAfterFirst = reads;
  EXPECT_EQ(archive.Get("INIT.SCR"), lower);
  EXPECT_EQ(archive.Get("Init.Scr"), lower);
  EXPECT_EQ(reads, readsAfterFirst) << "cached Gets must not touch the file";
  EXPECT_EQ(getText(archive, "4.XM"), "song");
}

TEST(ResourceArchive, FreeThenGetReadsAgain) {
  int reads = 0;
  ResourceArchive archive;
  ASSERT_EQ(
      archive.Open(std::make_unique<CountingFile>(buildArchive({{"a.txt", "alpha"}}), &reads)),
      kArchiveOk);
  EXPECT_FALSE(archive.Free("a.txt")) << "not cached yet";
  ASSERT_NE(archive.Get("a.txt"), nullptr);
  EXPECT_TRUE(archive.Free("A.TXT"));
  EXPECT_FALSE(archive.Free("a.txt"));
  EXPECT_FALSE(archive.Free("missing"));
  const int before = reads;
  std::uint32_t size = 0;
  const std::byte* again = archive.Get("a.txt", &size);
  ASSERT_NE(again, nullptr);
  EXPECT_GT(reads, before);
  EXPECT_EQ(text(again, size), "alpha");
}

TEST(ResourceArchive, CopyIsFreshAndLeavesCacheAlone) {
  ResourceArchive archive;
  ASSERT_EQ(openBytes(archive, buildArchive({{"m.xm", "music"}})), kArchiveOk);
  std::vector<std::byte> copy;
  std::uint32_t size = 0;
  ASSERT_TRUE(archive.Copy("M.XM", copy, &size));
  EXPECT_EQ(size, 5u);
  ASSERT_EQ(copy.size(), 6u);
  EXPECT_EQ(text(copy.data(), 5), "music");
  EXPECT_EQ(copy[5], std::byte{0});
  EXPECT_FALSE(archive.Free("m.xm")) << "Copy must not fill the cache";
  std::vector<std::byte> untouched{std::byte{7}};
  EXPECT_FALSE(archive.Copy("nothing", untouched));
  EXPECT_EQ(untouched.size(), 1u);
}

TEST(ResourceArchive, EarlierOfTwoEqualNamesWins) {
  ResourceArchive archive;
  ASSERT_EQ(openBytes(archive, buildArchive({{"dup.txt", "first"}, {"DUP.TXT", "second!"}})),
            kArchiveOk);
  EXPECT_EQ(archive.entryCount(), 2u);
  EXPECT_EQ(getText(archive, "dup.txt"), "first");
  EXPECT_EQ(archive.Size("Dup.Txt"), 5u);
}

TEST(ResourceArchive, SizeOfMissingNameIsAllOnes) {
  ResourceArchive archive;
  ASSERT_EQ(openBytes(archive, buildArchive({{"x.bin", "12345678"}})), kArchiveOk);
  EXPECT_EQ(archive.Size("x.bin"), 8u);
  EXPECT_EQ(archive.Size("y.bin"), 0xFFFFFFFFu);
  EXPECT_EQ(archive.Get("y.bin"), nullptr);
  EXPECT_TRUE(archive.GetSpan("y.bin").empty());
}

TEST(ResourceArchive, ZeroLengthEntryIsOneZeroByte) {
  ResourceArchive archive;
  ASSERT_EQ(openBytes(archive, buildArchive({{"empty.txt", ""}})), kArchiveOk);
  std::uint32_t size = 99;
  const std::byte* data = archive.Get("empty.txt", &size);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(data[0], std::byte{0});
}

TEST(ResourceArchive, EndOffsetEightMeansNoEntries) {
  ResourceArchive archive;
  // Entries after the end offset are not part of the archive.
  ASSERT_EQ(openBytes(archive, buildArchive({{"a.txt", "alpha"}}, 8)), kArchiveOk);
  EXPECT_EQ(archive.entryCount(), 0u);
  EXPECT_EQ(archive.Get("a.txt"), nullptr);
  EXPECT_EQ(archive.Size("a.txt"), 0xFFFFFFFFu);
}

TEST(ResourceArchive, SixteenCharacterNameIsReadWhole) {
  ResourceArchive archive;
  ASSERT_EQ(openBytes(archive, buildArchive({{"abcdefghijkl.scr", "x"}})), kArchiveOk);
  EXPECT_EQ(archive.Size("ABCDEFGHIJKL.SCR"), 1u);
}

TEST(ResourceArchive, WrongHeaderIsRefused) {
  ResourceArchive archive;
  std::vector<std::byte> bytes = buildArchive({{"a.txt", "alpha"}});
  bytes[3] = std::byte{'1'};  // "1.01"
  EXPECT_EQ(openBytes(archive, bytes), kArchiveBadHeader);
  EXPECT_EQ(archive.Get("a.txt"), nullptr);
  EXPECT_EQ(openBytes(archive, {std::byte{'1'}, std::byte{'.'}}), kArchiveBadHeader);
  // The magic alone, without an end offset, is not a header either.
  EXPECT_EQ(openBytes(archive, {std::byte{'1'}, std::byte{'.'}, std::byte{'0'}, std::byte{'0'}}),
            kArchiveBadHeader);
  EXPECT_EQ(archive.Open(nullptr), kArchiveCannotOpen);
}

TEST(ResourceArchive, TruncatedFilesNeverOverrun) {
  const std::string payload(3000, 'q');
  const std::vector<std::byte> whole = buildArchive({{"first.txt", "one"}, {"big.txt", payload}});
  // Cut the file at every length: Open succeeds or refuses the header, Get returns the whole
  // entry or nothing, never a partial one.
  for (std::size_t cut = 0; cut < whole.size(); ++cut) {
    ResourceArchive archive;
    std::vector<std::byte> part(whole.begin(), whole.begin() + static_cast<long>(cut));
    const int rc = openBytes(archive, part);
    ASSERT_TRUE(rc == kArchiveOk || rc == kArchiveBadHeader) << cut;
    std::uint32_t size = 0;
    if (const std::byte* big = archive.Get("big.txt", &size)) {
      ADD_FAILURE() << "truncated entry served at cut " << cut;
      (void)big;
    }
    std::vector<std::byte> copy;
    EXPECT_FALSE(archive.Copy("big.txt", copy)) << cut;
    if (cut >= 8 + 24 + 11 + 24) {
      EXPECT_EQ(getText(archive, "first.txt"), "one") << cut;
    }
  }
}

TEST(ResourceArchive, WrongStoredOrDecompressedSizeGivesNoEntry) {
  const std::string data = "some text that compresses";
  {
    ResourceArchive archive;  // U one too small: zlib would overrun, so refused
    ASSERT_EQ(openBytes(archive, buildArchive({{"a", data, -1, (long long)data.size() - 1}})),
              kArchiveOk);
    EXPECT_EQ(archive.Get("a"), nullptr);
  }
  {
    ResourceArchive archive;  // U too large: the stream ends early
    ASSERT_EQ(openBytes(archive, buildArchive({{"a", data, -1, (long long)data.size() + 5}})),
              kArchiveOk);
    EXPECT_EQ(archive.Get("a"), nullptr);
  }
  {
    ResourceArchive archive;  // absurd U: refused without allocating it
    ASSERT_EQ(openBytes(archive, buildArchive({{"a", data, -1, 0xFFFFFFF0LL}})), kArchiveOk);
    EXPECT_EQ(archive.Get("a"), nullptr);
    std::vector<std::byte> copy;
    EXPECT_FALSE(archive.Copy("a", copy));
  }
  {
    ResourceArchive archive;  // S past the end of the file
    ASSERT_EQ(openBytes(archive, buildArchive({{"a", data, 100000, -1}})), kArchiveOk);
    EXPECT_EQ(archive.Get("a"), nullptr);
  }
}

TEST(ResourceArchive, CorruptStreamGivesNoEntry) {
  std::vector<std::byte> bytes = buildArchive({{"a.txt", std::string(200, 'z')}});
  bytes[8 + 24 + 4] ^= std::byte{0x5A};
  bytes[bytes.size() - 2] ^= std::byte{0xFF};  // the adler-32 check
  ResourceArchive archive;
  ASSERT_EQ(openBytes(archive, bytes), kArchiveOk);
  EXPECT_EQ(archive.Get("a.txt"), nullptr);
  EXPECT_EQ(archive.Size("a.txt"), 200u) << "the directory still knows the name";
}

}  // namespace
}  // namespace resources
