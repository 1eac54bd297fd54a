#include "qvtool/verbs.h"

namespace qvtool {

// Verb implementations live in verb_<name>.cpp; add each one here.

std::span<const Verb> allVerbs() {
  static const Verb kVerbs[] = {
      {"help", "help: lists the verbs", nullptr},
  };
  return kVerbs;
}

}  // namespace qvtool
