#include "qvtool/verbs.h"

namespace qvtool {

// Verb implementations live in verb_<name>.cpp; add each one here.

int runScriptVerb(Args args);  // verb_script.cpp
int runPack(Args args);        // verb_pack.cpp
int runNatives(Args args);     // verb_natives.cpp

std::span<const Verb> allVerbs() {
  static const Verb kVerbs[] = {
      {"help", "help: lists the verbs", nullptr},
      {"pack", "pack MANIFEST OUT [-I DIR]...: builds an archive from a manifest", runPack},
      {"run",
       "run --dir INSTALL_DIR [--replay FILE] [--frames N] [--vars] [--display WxH]: "
       "the whole game on the headless platform",
       runRun},
      {"script",
       "script FILE.scr [FUNCTION [ARGS...]]: runs a script with the application "
       "variable natives and prints NAME=VALUE lines",
       runScriptVerb},
      {"natives",
       "natives [--markdown SOURCE OUT]: lists the native tables scripts can call, in "
       "registration order, or writes their Markdown reference from the texts in SOURCE",
       runNatives},
  };
  return kVerbs;
}

}  // namespace qvtool
