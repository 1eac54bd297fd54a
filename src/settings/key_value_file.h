// KeyValueFile: the text store behind options.dat. One "key = value" entry a line, kept in file
// order; keys this program does not know survive a load and a save unchanged. Keys and values
// are tidied on reading: outer blanks removed, inner runs of blanks cut to one.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace settings {

class KeyValueFile {
 public:
  using Entry = std::pair<std::string, std::string>;

  /// The value of keys that are absent.
  static constexpr std::string_view kDefaultValue = "0";

  /// Empties the entries and reads path. False when the file can't be read or holds a line
  /// without "=" (an empty line included); the entries read before that line stay.
  bool Load(std::string path);

  /// Parses file text as Load does; false on the first line without "=".
  bool Parse(std::string_view text);

  /// The value of the first entry with exactly this key, or kDefaultValue.
  std::string_view Get(std::string_view key) const;

  /// Sets the first entry with this key to n in decimal, or appends a new entry.
  void SetInt(std::string_view key, long long n);

  /// Writes every entry as "key = value\n" to the path of the last Load, replacing the file in
  /// one step (the old file survives a failed write). False when it could not be written.
  bool Save() const;

  /// The file text Save writes.
  std::string Text() const;

  const std::vector<Entry>& entries() const { return entries_; }
  const std::string& path() const { return path_; }

 private:
  std::vector<Entry> entries_;
  std::string path_;
};

/// Trims blanks at both ends and cuts every inner run of blanks to one.
std::string TidyText(std::string_view text);

}  // namespace settings
