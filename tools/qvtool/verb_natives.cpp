// qvtool natives: the four native tables scripts can call, in the order the game registers
// them, one name a line under a "[TITLE]" heading per table. The list comes from registering
// the tables the way the game does, so it can't drift from the game.
//
// qvtool natives --markdown SOURCE OUT: writes the native reference as Markdown, one table per
// native table in registration order, the names from the registration and the texts from
// SOURCE, a file of blocks
//
//   ## Name(first argument, second argument) -> result
//   What it does, on one or more lines.
//
// where lines starting with "#" (other than block headings) are comments and text before the
// first block is the reference's introduction. The reference is refused (exit status 1, one
// line on standard error, OUT untouched) when a registered native has no block, a block names a
// native that is not registered, a native has two blocks, a block has no text or a heading is
// malformed; so a native added without documentation fails the build.
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/application.h"
#include "platform/file.h"
#include "platform/headless/headless_platform.h"
#include "qvtool/verbs.h"
#include "util/result.h"

namespace qvtool {
namespace {

// The tables as a game registers them; the headless platform stands in for a device.
std::vector<app::NativeTable> describeNativeTables() {
  platform::HeadlessPlatform headless(platform::HeadlessConfig{});
  return app::Application::DescribeNativeTables(headless);
}

constexpr const char* kUsage = "usage: qvtool natives [--markdown SOURCE OUT]";

// One documented native, as read from the source.
struct NativeDoc {
  std::string name;
  std::vector<std::string> arguments;  // in the order the script writes them; empty for none
  std::string result;
  std::string text;  // the block's lines joined by single blanks
  int line = 0;      // the heading's line in the source
};

struct DocSource {
  std::string introduction;  // paragraphs separated by "\n\n"
  std::vector<NativeDoc> natives;
};

std::string trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t\r");
  return std::string(text.substr(first, last - first + 1));
}

bool isNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// "Name(a, b) -> result" after the "## ". Arguments are cut at commas; "()" has none.
std::optional<NativeDoc> parseHeading(std::string_view heading) {
  NativeDoc doc;
  std::size_t i = 0;
  while (i < heading.size() && isNameChar(heading[i]))
    ++i;
  doc.name = std::string(heading.substr(0, i));
  if (doc.name.empty() || i >= heading.size() || heading[i] != '(') return std::nullopt;
  const std::size_t close = heading.find(')', i);
  if (close == std::string_view::npos) return std::nullopt;
  const std::string_view list = heading.substr(i + 1, close - i - 1);
  if (!trim(list).empty()) {
    std::size_t start = 0;
    while (true) {
      const std::size_t comma = list.find(',', start);
      std::string argument = trim(list.substr(start, comma - start));
      if (argument.empty()) return std::nullopt;
      doc.arguments.push_back(std::move(argument));
      if (comma == std::string_view::npos) break;
      start = comma + 1;
    }
  }
  const std::string_view rest = heading.substr(close + 1);
  const std::size_t arrow = rest.find("->");
  if (arrow == std::string_view::npos || !trim(rest.substr(0, arrow)).empty()) return std::nullopt;
  doc.result = trim(rest.substr(arrow + 2));
  if (doc.result.empty()) return std::nullopt;
  return doc;
}

void appendWords(std::string& to, const std::string& words, const char* separator) {
  if (!to.empty()) to += separator;
  to += words;
}

util::Result<DocSource> parseDocSource(const std::string& path, const std::string& text) {
  const auto fail = [&](int line, const std::string& why) {
    return util::makeError(util::ErrorCode::Malformed,
                           path + ":" + std::to_string(line) + ": " + why);
  };
  DocSource source;
  bool paragraphOpen = false;  // the introduction's current paragraph takes more lines
  int lineNumber = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t end = std::min(text.find('\n', pos), text.size());
    const std::string_view raw(text.data() + pos, end - pos);
    pos = end + 1;
    ++lineNumber;
    const std::string line = trim(raw);
    if (line.rfind("## ", 0) == 0) {
      std::optional<NativeDoc> doc = parseHeading(trim(std::string_view(line).substr(3)));
      if (!doc) return fail(lineNumber, "malformed heading (want '## Name(arguments) -> result')");
      for (const NativeDoc& earlier : source.natives) {
        if (earlier.name == doc->name) {
          return fail(lineNumber, "'" + doc->name + "' is documented twice (first on line " +
                                      std::to_string(earlier.line) + ")");
        }
      }
      doc->line = lineNumber;
      source.natives.push_back(std::move(*doc));
    } else if (line.empty() || line[0] == '#') {
      paragraphOpen = false;  // blank lines and comments end an introduction paragraph
    } else if (source.natives.empty()) {
      appendWords(source.introduction, line, paragraphOpen ? " " : "\n\n");
      paragraphOpen = true;
    } else {
      appendWords(source.natives.back().text, line, " ");
    }
  }
  for (const NativeDoc& doc : source.natives) {
    if (doc.text.empty()) return fail(doc.line, "'" + doc.name + "' has no text");
  }
  return source;
}

// Markdown table cells: a "|" would end the cell.
std::string cell(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '|') out += '\\';
    out += c;
  }
  return out;
}

std::string renderMarkdown(const std::vector<app::NativeTable>& tables, const DocSource& source,
                           const std::map<std::string, const NativeDoc*>& byName) {
  std::string out = "# Native functions\n\n";
  out +=
      "<!-- Written by `qvtool natives --markdown` from docs/natives.txt and the game's own "
      "registration of its native tables; edit docs/natives.txt, not this file. -->\n\n";
  if (!source.introduction.empty()) out += source.introduction + "\n\n";
  for (const app::NativeTable& table : tables) {
    out += "## " + table.title + " table\n\n";
    out += "| # | Function | Arguments | Result | What it does |\n";
    out += "|---|---|---|---|---|\n";
    for (std::size_t i = 0; i < table.names.size(); ++i) {
      const NativeDoc& doc = *byName.at(table.names[i]);
      std::string arguments;
      for (std::size_t a = 0; a < doc.arguments.size(); ++a) {
        appendWords(arguments, std::to_string(a) + ": " + doc.arguments[a], ", ");
      }
      if (arguments.empty()) arguments = "none";
      out += "| " + std::to_string(i + 1) + " | `" + doc.name + "` | " + cell(arguments) + " | " +
             cell(doc.result) + " | " + cell(doc.text) + " |\n";
    }
    out += "\n";
  }
  return out;
}

int writeReference(const std::string& sourcePath, const std::string& outPath) {
  const auto fail = [](const std::string& why) {
    std::fprintf(stderr, "qvtool natives: %s\n", why.c_str());
    return 1;
  };
  const util::Result<std::string> text = platform::readWholeFile(sourcePath);
  if (!text) return fail(sourcePath + ": " + text.error().message);
  const util::Result<DocSource> source = parseDocSource(sourcePath, *text);
  if (!source) return fail(source.error().message);

  const std::vector<app::NativeTable> tables = describeNativeTables();
  std::set<std::string> registered;
  for (const app::NativeTable& table : tables)
    registered.insert(table.names.begin(), table.names.end());
  std::map<std::string, const NativeDoc*> byName;
  for (const NativeDoc& doc : source->natives) {
    if (registered.count(doc.name) == 0) {
      return fail(sourcePath + ":" + std::to_string(doc.line) + ": '" + doc.name +
                  "' is not a registered native");
    }
    byName[doc.name] = &doc;
  }
  for (const app::NativeTable& table : tables) {
    for (const std::string& name : table.names) {
      if (byName.count(name) == 0) {
        return fail(sourcePath + ": no text for the native '" + name + "' of the " + table.title +
                    " table");
      }
    }
  }

  const std::string markdown = renderMarkdown(tables, *source, byName);
  std::error_code ignored;  // a folder that can't be made shows up as the write's failure
  const std::filesystem::path parent = std::filesystem::path(outPath).parent_path();
  if (!parent.empty()) std::filesystem::create_directories(parent, ignored);
  const util::Status written = platform::writeFileAtomically(
      outPath, std::as_bytes(std::span<const char>(markdown.data(), markdown.size())));
  if (!written) return fail(outPath + ": " + written.error().message);
  return 0;
}

}  // namespace

int runNatives(Args args) {
  if (args.size() == 3 && args[0] == "--markdown") {
    return writeReference(std::string(args[1]), std::string(args[2]));
  }
  if (!args.empty()) {
    std::fprintf(stderr, "qvtool natives: %s\n", kUsage);
    return 2;
  }
  const auto tables = describeNativeTables();
  for (std::size_t t = 0; t < tables.size(); ++t) {
    std::printf("%s[%s]\n", t == 0 ? "" : "\n", tables[t].title.c_str());
    for (const auto& name : tables[t].names)
      std::printf("%s\n", name.c_str());
  }
  if (tables.size() != 4) {
    std::fprintf(stderr, "qvtool natives: %zu native tables registered, 4 expected\n",
                 tables.size());
    return 1;
  }
  return 0;
}

}  // namespace qvtool
