#include "platform/window_fit.h"

#include <algorithm>

namespace platform {

int InitialWindowScale(FitSize usableDesktop, FitSize logical) {
  if (logical.width <= 0 || logical.height <= 0) return 1;
  if (usableDesktop.width <= 0 || usableDesktop.height <= 0) return 2;
  const int fit =
      std::min(usableDesktop.width / logical.width, usableDesktop.height / logical.height);
  return std::max(fit, 1);
}

bool FitsUnscaled(FitSize usableDesktop, FitSize logical) {
  return logical.width > 0 && logical.height > 0 && usableDesktop.width >= logical.width &&
         usableDesktop.height >= logical.height;
}

}  // namespace platform
