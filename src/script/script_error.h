// ScriptError: why a script failed to load or a run of one of its functions failed. The player
// only ever sees the fixed message box; this record is for the developer and the tools.
#pragma once

#include <string>

namespace script {

struct ScriptError {
  std::string script;     // name the script was loaded under, e.g. "init.scr"
  std::string function;   // function whose run failed; empty for a load failure
  int line = 0;           // 1-based line of the source text where it failed; 0 when unknown
  std::string statement;  // the failing statement or definition text, shortened
  std::string message;    // what went wrong, e.g. "undefined name 'Foo'"

  /// One line: "init.scr:12: Init: undefined name 'Foo' in 'Foo(1)'".
  std::string describe() const;
};

}  // namespace script
