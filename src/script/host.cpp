#include "script/host.h"

#include <iostream>

namespace script {

void Host::ReportError(const ScriptError& error) {
  std::cerr << error.describe() << '\n';
}

}  // namespace script
