// Host: what the script runtime needs from the program around it. The application shows message
// boxes; tools print them. Failure reports go to standard error unless a host redirects them.
#pragma once

#include <string_view>

#include "script/script_error.h"

namespace script {

class Host {
 public:
  virtual ~Host() = default;

  /// Shows a modal message box with an OK button and returns when it is dismissed.
  virtual void ShowMessage(std::string_view text, std::string_view caption) = 0;

  /// Receives the reason of every failed load and failed run, once each. The default writes
  /// error.describe() and a line end to std::cerr.
  virtual void ReportError(const ScriptError& error);
};

}  // namespace script
