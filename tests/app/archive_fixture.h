// Writes small archives for start-up tests: the fonts and scripts every start needs.
#pragma once

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "fixtures/gfx/font_bytes.h"
#include "fixtures/resources/memory_archive.h"

namespace testing_support {

/// The script of every screen.
inline constexpr const char* kScreenScripts[] = {"ingame.scr",     "options.scr",  "startgame.scr",
                                                 "choosegame.scr", "helpform.scr", "recordbook.scr",
                                                 "credits.scr",    "auxclass.scr", "auxestafet.scr",
                                                 "auxunlim.scr",   "infoform.scr"};

/// What start-up needs besides init.scr: the seven fonts and a script for every screen, each
/// script an empty Init.
inline std::vector<std::pair<std::string, std::string>> startUpEntries() {
  std::vector<std::pair<std::string, std::string>> entries;
  for (const char* font :
       {"fonts_menu", "fonts_menua", "fmsmall", "hiscores", "hiscoresf", "experien", "experiena"}) {
    const std::vector<std::byte> bytes = gfx::testing::makeCfn(font, 32, 126);
    entries.emplace_back(std::string(font) + ".cfn",
                         std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  }
  for (const char* script : kScreenScripts)
    entries.emplace_back(script, "function Init(h)\n{\n}\n");
  return entries;
}

/// Writes an archive with entries; the fonts and screen scripts start-up needs are added
/// after them where entries has none of that name (the earlier of two equal names wins anyway).
inline void writeArchive(const std::string& path,
                         std::vector<std::pair<std::string, std::string>> entries) {
  for (auto& entry : startUpEntries())
    entries.push_back(std::move(entry));
  std::ofstream(path, std::ios::binary) << buildArchiveBytes(entries);
}

/// An init.scr whose Init sets the given application variables.
inline std::string initScript(const std::vector<std::pair<std::string, std::string>>& vars) {
  std::string text = "function Init(h)\n{\n";
  for (const auto& [name, value] : vars) {
    text += "  SetGlobalVar(\"" + name + "\", \"" + value + "\");\n";
  }
  return text + "}\n";
}

/// The init.scr of a plain 240 x 320 start.
inline std::string plainInitScript() {
  return initScript({{"INIT_RES", "1"}, {"RES_X", "240"}, {"RES_Y", "320"}, {"SE_SPURT", "2"}});
}

}  // namespace testing_support
