// ScoreTable: the five best results of each game mode, as scores.dat stores them: a signed
// 32-bit little-endian count, then that many 32-byte records (mode, score, a name of up to 10
// characters and the result as shown, up to 12 characters, each NUL-terminated in a fixed
// slot). One list holds every mode; within a mode the list order is the ranking, best first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

inline constexpr std::size_t kScoreRecordBytes = 32;
inline constexpr std::size_t kMaxNameLength = 10;
inline constexpr std::size_t kMaxScoreTextLength = 12;
/// Records a mode keeps once a naming has finished.
inline constexpr int kRecordsPerMode = 5;

struct ScoreRecord {
  std::uint32_t mode = 0;  // 1 classic, 2 relay, 4 unlimited
  std::int32_t score = 0;  // higher is better
  std::string name;        // at most kMaxNameLength characters
  std::string scoreText;   // at most kMaxScoreTextLength characters

  friend bool operator==(const ScoreRecord&, const ScoreRecord&) = default;
};

class ScoreTable {
 public:
  /// Reads scores.dat bytes. A count that disagrees with the length is read as far as whole
  /// records go; a negative count or a file shorter than the count field gives an empty table.
  static ScoreTable Decode(std::span<const std::byte> bytes);

  /// The file bytes: the count, then every record (unused text bytes are zero).
  std::vector<std::byte> Encode() const;

  /// Ranks a result among its mode: before the first record of the mode with a lower score,
  /// or at the end while the mode has fewer than five records. Returns the rank (the number of
  /// the mode's records before it), or nothing when it does not enter. Texts longer than their
  /// slots are cut.
  std::optional<int> Insert(std::uint32_t mode, std::string_view name, std::int32_t score,
                            std::string_view scoreText);

  /// Removes every record of mode after its fifth.
  void KeepBest(std::uint32_t mode);

  /// The records of one mode in rank order (at most the first count).
  std::vector<const ScoreRecord*> RecordsOf(std::uint32_t mode, int count = kRecordsPerMode) const;

  /// The rank-th record of mode, for renaming; null when there is none.
  ScoreRecord* RecordAt(std::uint32_t mode, int rank);

  const std::vector<ScoreRecord>& records() const { return records_; }

 private:
  std::vector<ScoreRecord> records_;
};

/// The record book's title for a mode ("CLASSIC GAME", ...); the digit itself for modes 0 and
/// 3, empty for any other.
std::string_view ModeTitle(std::uint32_t mode);

/// The y of row r (0..4) of the record book: top + pitch x r / 5, truncated toward zero.
int RecordRowY(int top, int pitch, int row);

}  // namespace settings
