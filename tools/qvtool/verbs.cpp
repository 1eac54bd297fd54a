#include "qvtool/verbs.h"

namespace qvtool {

// Verb implementations live in verb_<name>.cpp; add each one here.

int runScriptVerb(Args args);  // verb_script.cpp
int runPack(Args args);        // verb_pack.cpp
int runNatives(Args args);     // verb_natives.cpp
int runList(Args args);        // verb_list.cpp
int runExtract(Args args);     // verb_extract.cpp
int runConvert(Args args);     // verb_convert.cpp
int runFont(Args args);        // verb_font.cpp

std::span<const Verb> allVerbs() {
  static const Verb kVerbs[] = {
      {"help", "help: lists the verbs", nullptr},
      {"pack", "pack MANIFEST OUT [-I DIR]...: builds an archive from a manifest", runPack},
      {"run",
       "run --dir INSTALL_DIR [--replay FILE] [--frames N] [--vars] [--display WxH] "
       "[--world] [--between N] [--state-log FILE]: the whole game on the headless platform "
       "(--world: a digest of the game world at the end; --between: N pictures painted between "
       "game frames; --state-log: a line of the game's state for every frame)",
       runRun},
      {"script",
       "script FILE.scr [FUNCTION [ARGS...]]: runs a script with the application "
       "variable natives and prints NAME=VALUE lines",
       runScriptVerb},
      {"natives",
       "natives [--markdown SOURCE OUT]: lists the native tables scripts can call, in "
       "registration order, or writes their Markdown reference from the texts in SOURCE",
       runNatives},
      {"list", "list ARCHIVE: one line per entry: name, stored size, decompressed size", runList},
      {"extract", "extract ARCHIVE NAME [OUT]: one entry's bytes, to OUT or standard output",
       runExtract},
      {"convert",
       "convert IN OUT [--format FORMAT]: pictures between PNG and .espr .spr .cmb .sft .tga, "
       "by extension",
       runConvert},
      {"font",
       "font TTF PIXELS OUT.cfn|OUT.font [--chars A-B] [--name NAME] [--fill RRGGBB] "
       "[--fill2 RRGGBB] [--outline RRGGBB] [--outline-width N] [--shadow RRGGBB] "
       "[--shadow-offset N]: renders a TrueType font into a game font",
       runFont},
  };
  return kVerbs;
}

}  // namespace qvtool
