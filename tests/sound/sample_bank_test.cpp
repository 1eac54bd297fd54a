#include "sound/sample_bank.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixtures/resources/memory_archive.h"
#include "sound/recording_sound_library.h"

namespace {

using Calls = std::vector<std::string>;

TEST(SampleBankTest, SamplesAreCopiedCountedFoundAndFreed) {
  sound::RecordingSoundLibrary library;
  auto archive =
      testing_support::memoryArchive({{"drop1.wav", "RIFFdrop"}, {"start.wav", "RIFFgo"}});
  auto other = testing_support::memoryArchive({{"twdown.wav", "RIFFdown!"}});
  {
    sound::SampleBank bank(library, *archive);
    const sound::Sample* drop = bank.LoadSample("drop1.wav");
    EXPECT_EQ(bank.LoadSample("missing.wav"), nullptr);
    EXPECT_EQ(bank.LoadSample("drop1.wav", other.get()), nullptr) << "no fall-back for samples";
    const sound::Sample* down = bank.LoadSample("twdown.wav", other.get());
    ASSERT_NE(drop, nullptr);
    ASSERT_NE(down, nullptr);
    EXPECT_EQ(bank.size(), 2u);
    EXPECT_EQ(drop->id, 0);
    EXPECT_EQ(down->id, 1) << "a failed load takes no identifier";
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(drop->data.data()), drop->data.size()),
              "RIFFdrop");
    EXPECT_EQ(bank.Find("DROP1.WAV"), drop);
    EXPECT_EQ(bank.Find("start.wav"), nullptr);
    // The archive's cache is left alone: a buffer held by someone else stays there.
    const std::byte* held = archive->Get("start.wav");
    ASSERT_NE(bank.LoadSample("start.wav"), nullptr);
    EXPECT_EQ(archive->Get("start.wav"), held);
    EXPECT_EQ(drop, bank.Find("drop1.wav")) << "records stay in place as the bank grows";
  }
  EXPECT_EQ(library.calls(),
            (Calls{"LoadSample(8) -> 1", "LoadSample(9) -> 2", "LoadSample(6) -> 3",
                   "FreeSample(1)", "FreeSample(2)", "FreeSample(3)"}));
}

}  // namespace
