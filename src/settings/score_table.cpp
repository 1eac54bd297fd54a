#include "settings/score_table.h"

#include <algorithm>
#include <array>

namespace settings {
namespace {

constexpr std::size_t kNameOffset = 8;
constexpr std::size_t kNameSlot = 11;
constexpr std::size_t kScoreTextOffset = 19;
constexpr std::size_t kScoreTextSlot = 13;

std::uint32_t readU32(std::span<const std::byte> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

void writeU32(std::vector<std::byte>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<std::byte>((v >> (8 * i)) & 0xFF));
}

// A NUL-terminated text in a fixed slot; a slot without a NUL gives its first slot - 1 bytes.
std::string readText(std::span<const std::byte> slot) {
  std::string text;
  for (std::size_t i = 0; i + 1 < slot.size(); ++i) {
    if (slot[i] == std::byte{0}) break;
    text.push_back(static_cast<char>(slot[i]));
  }
  return text;
}

void writeText(std::vector<std::byte>& out, std::string_view text, std::size_t slot) {
  const std::size_t n = std::min(text.size(), slot - 1);
  for (std::size_t i = 0; i < slot; ++i)
    out.push_back(i < n ? static_cast<std::byte>(text[i]) : std::byte{0});
}

// A text cut at its first NUL and to its slot's length.
std::string slotText(std::string_view text, std::size_t maxLength) {
  text = text.substr(0, std::min(text.find('\0'), maxLength));
  return std::string(text);
}

}  // namespace

ScoreTable ScoreTable::Decode(std::span<const std::byte> bytes) {
  ScoreTable table;
  if (bytes.size() < 4) return table;
  const std::int32_t count = static_cast<std::int32_t>(readU32(bytes, 0));
  if (count <= 0) return table;
  const std::size_t whole = (bytes.size() - 4) / kScoreRecordBytes;
  const std::size_t n = std::min(static_cast<std::size_t>(count), whole);
  table.records_.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    const std::span<const std::byte> r =
        bytes.subspan(4 + i * kScoreRecordBytes, kScoreRecordBytes);
    ScoreRecord record;
    record.mode = readU32(r, 0);
    record.score = static_cast<std::int32_t>(readU32(r, 4));
    record.name = readText(r.subspan(kNameOffset, kNameSlot));
    record.scoreText = readText(r.subspan(kScoreTextOffset, kScoreTextSlot));
    table.records_.push_back(std::move(record));
  }
  return table;
}

std::vector<std::byte> ScoreTable::Encode() const {
  std::vector<std::byte> out;
  out.reserve(4 + records_.size() * kScoreRecordBytes);
  writeU32(out, static_cast<std::uint32_t>(records_.size()));
  for (const ScoreRecord& r : records_) {
    writeU32(out, r.mode);
    writeU32(out, static_cast<std::uint32_t>(r.score));
    writeText(out, r.name, kNameSlot);
    writeText(out, r.scoreText, kScoreTextSlot);
  }
  return out;
}

std::optional<int> ScoreTable::Insert(std::uint32_t mode, std::string_view name, std::int32_t score,
                                      std::string_view scoreText) {
  ScoreRecord record{mode, score, slotText(name, kMaxNameLength),
                     slotText(scoreText, kMaxScoreTextLength)};
  int passed = 0;
  for (auto it = records_.begin(); it != records_.end(); ++it) {
    if (it->mode != mode) continue;
    if (score > it->score) {
      records_.insert(it, std::move(record));
      return passed;
    }
    ++passed;
  }
  if (passed >= kRecordsPerMode) return std::nullopt;
  records_.push_back(std::move(record));
  return passed;
}

void ScoreTable::KeepBest(std::uint32_t mode) {
  int seen = 0;
  std::erase_if(records_,
                [&](const ScoreRecord& r) { return r.mode == mode && ++seen > kRecordsPerMode; });
}

std::vector<const ScoreRecord*> ScoreTable::RecordsOf(std::uint32_t mode, int count) const {
  std::vector<const ScoreRecord*> out;
  for (const ScoreRecord& r : records_) {
    if (static_cast<int>(out.size()) >= count) break;
    if (r.mode == mode) out.push_back(&r);
  }
  return out;
}

ScoreRecord* ScoreTable::RecordAt(std::uint32_t mode, int rank) {
  int seen = 0;
  for (ScoreRecord& r : records_) {
    if (r.mode != mode) continue;
    if (seen++ == rank) return &r;
  }
  return nullptr;
}

std::string_view ModeTitle(std::uint32_t mode) {
  static constexpr std::array<std::string_view, 5> kTitles = {"0", "CLASSIC GAME", "TOWERACE GAME",
                                                              "3", "UNLIMITED GAME"};
  return mode < kTitles.size() ? kTitles[mode] : std::string_view{};
}

int RecordRowY(int top, int pitch, int row) {
  return static_cast<int>(top + static_cast<long long>(pitch) * row / 5);
}

}  // namespace settings
