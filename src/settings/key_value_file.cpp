#include "settings/key_value_file.h"

#include <algorithm>
#include <cstddef>
#include <span>

#include "platform/file.h"

namespace settings {
namespace {

// Lines are read in pieces of at most this many characters, as a fixed line buffer would.
constexpr std::size_t kLinePiece = 999;
// Tidying looks at no more than this many characters of a key or a value.
constexpr std::size_t kTidyLimit = 1000;

}  // namespace

std::string TidyText(std::string_view text) {
  text = text.substr(0, std::min(text.size(), kTidyLimit));
  std::string out;
  bool pendingBlank = false;
  for (const char c : text) {
    if (c == ' ') {
      pendingBlank = !out.empty();
      continue;
    }
    if (pendingBlank) out.push_back(' ');
    pendingBlank = false;
    out.push_back(c);
  }
  return out;
}

bool KeyValueFile::Parse(std::string_view text) {
  entries_.clear();
  std::size_t pos = 0;
  while (pos < text.size()) {
    // One line, or the first kLinePiece characters of a longer one.
    const std::size_t newline = text.find('\n', pos);
    const std::size_t lineEnd = newline == std::string_view::npos ? text.size() : newline;
    std::size_t pieceEnd = std::min(lineEnd, pos + kLinePiece);
    std::string_view line = text.substr(pos, pieceEnd - pos);
    pos = pieceEnd == lineEnd && newline != std::string_view::npos ? lineEnd + 1 : pieceEnd;
    // Files written on systems with CR LF line ends read as they do there.
    if (!line.empty() && line.back() == '\r' && pieceEnd == lineEnd) line.remove_suffix(1);

    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    entries_.emplace_back(TidyText(line.substr(0, equals)), TidyText(line.substr(equals + 1)));
  }
  return true;
}

bool KeyValueFile::Load(std::string path) {
  entries_.clear();
  path_ = std::move(path);
  const util::Result<std::string> text = platform::readWholeFile(path_);
  if (!text) return false;
  return Parse(*text);
}

std::string_view KeyValueFile::Get(std::string_view key) const {
  for (const Entry& entry : entries_) {
    if (entry.first == key) return entry.second;
  }
  return kDefaultValue;
}

void KeyValueFile::SetInt(std::string_view key, long long n) {
  for (Entry& entry : entries_) {
    if (entry.first == key) {
      entry.second = std::to_string(n);
      return;
    }
  }
  entries_.emplace_back(std::string(key), std::to_string(n));
}

std::string KeyValueFile::Text() const {
  std::string text;
  for (const Entry& entry : entries_) {
    text.append(entry.first).append(" = ").append(entry.second).push_back('\n');
  }
  return text;
}

bool KeyValueFile::Save() const {
  if (path_.empty()) return false;
  const std::string text = Text();
  const auto bytes = std::as_bytes(std::span<const char>(text.data(), text.size()));
  return platform::writeFileAtomically(path_, bytes).ok();
}

}  // namespace settings
