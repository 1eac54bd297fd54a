#include "settings/score_table.h"

#include <gtest/gtest.h>

namespace settings {
namespace {

std::vector<int> scoresOf(const ScoreTable& table, std::uint32_t mode, int count = 10) {
  std::vector<int> out;
  for (const ScoreRecord* r : table.RecordsOf(mode, count))
    out.push_back(r->score);
  return out;
}

ScoreTable fiveClassic() {
  ScoreTable table;
  for (int s : {500, 400, 300, 200, 100}) {
    EXPECT_TRUE(table.Insert(1, "Old", s, std::to_string(s)));
  }
  return table;
}

TEST(ScoreTable, FirstResultOfAModeTakesRowZeroAndEncodesToOneRecord) {
  ScoreTable table;
  EXPECT_EQ(table.Insert(1, "Player", 1234, "12.3 m"), 0);
  const std::vector<std::byte> bytes = table.Encode();
  ASSERT_EQ(bytes.size(), 4u + 32u);
  EXPECT_EQ(bytes[0], std::byte{1});     // count 1, little-endian
  EXPECT_EQ(bytes[4], std::byte{1});     // mode 1
  EXPECT_EQ(bytes[8], std::byte{0xD2});  // 1234 = 0x04D2
  EXPECT_EQ(bytes[9], std::byte{0x04});
  EXPECT_EQ(static_cast<char>(bytes[12]), 'P');
  EXPECT_EQ(bytes[18], std::byte{0});  // after "Player": zeros
  EXPECT_EQ(static_cast<char>(bytes[23]), '1');
  EXPECT_EQ(ScoreTable::Decode(bytes).records(), table.records());
}

TEST(ScoreTable, TextsAreCutToTheirSlots) {
  ScoreTable table;
  table.Insert(1, "Bartholomew the Great", 1, "1234567890123456");
  EXPECT_EQ(table.records()[0].name, "Bartholome");
  EXPECT_EQ(table.records()[0].scoreText, "123456789012");
  const auto decoded = ScoreTable::Decode(table.Encode());
  EXPECT_EQ(decoded.records(), table.records());
}

TEST(ScoreTable, DecodesDamagedFilesAsFarAsWholeRecordsGo) {
  ScoreTable table = fiveClassic();
  std::vector<std::byte> bytes = table.Encode();
  bytes.resize(4 + 2 * 32 + 17);  // count says 5, two whole records and a piece remain
  EXPECT_EQ(scoresOf(ScoreTable::Decode(bytes), 1), (std::vector<int>{500, 400}));

  bytes = table.Encode();
  bytes[0] = std::byte{0xFF};  // count -1 ... or a huge count: never past the data
  bytes[1] = bytes[2] = bytes[3] = std::byte{0xFF};
  EXPECT_TRUE(ScoreTable::Decode(bytes).records().empty());
  bytes[3] = std::byte{0x7F};
  EXPECT_EQ(ScoreTable::Decode(bytes).records().size(), 5u);
  EXPECT_TRUE(ScoreTable::Decode(std::span<const std::byte>(bytes.data(), 3)).records().empty());

  // A name slot without its NUL yields its first 10 characters.
  bytes = table.Encode();
  for (int i = 0; i < 11; ++i)
    bytes[4 + 8 + i] = static_cast<std::byte>('z');
  EXPECT_EQ(ScoreTable::Decode(bytes).records()[0].name, std::string(10, 'z'));
}

TEST(RecordBookLayout, TitlesAndRowPositions) {
  EXPECT_EQ(ModeTitle(1), "CLASSIC GAME");  // each tab's rows are checked end to end
  EXPECT_EQ(ModeTitle(2), "TOWERACE GAME");
  EXPECT_EQ(ModeTitle(4), "UNLIMITED GAME");
  EXPECT_EQ(RecordRowY(0, 72, 3), 43);     // 216 / 5 truncated
  EXPECT_EQ(RecordRowY(10, -72, 3), -33);  // toward zero: -216 / 5 = -43
}

}  // namespace
}  // namespace settings
