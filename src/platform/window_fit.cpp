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

FitRect PictureFit(FitSize window, FitSize logical) {
  if (window.width <= 0 || window.height <= 0 || logical.width <= 0 || logical.height <= 0)
    return {};
  FitRect fit;
  const int whole = std::min(window.width / logical.width, window.height / logical.height);
  if (whole >= 1) {
    fit.width = logical.width * whole;
    fit.height = logical.height * whole;
    fit.wholeScale = true;
  } else if (static_cast<long long>(window.width) * logical.height <=
             static_cast<long long>(window.height) * logical.width) {
    fit.width = window.width;  // narrower than the screen: full width, bars above and below
    fit.height =
        static_cast<int>(static_cast<long long>(window.width) * logical.height / logical.width);
  } else {
    fit.height = window.height;  // wider: full height, bars left and right
    fit.width =
        static_cast<int>(static_cast<long long>(window.height) * logical.width / logical.height);
  }
  fit.x = (window.width - fit.width) / 2;
  fit.y = (window.height - fit.height) / 2;
  return fit;
}

bool FitsUnscaled(FitSize usableDesktop, FitSize logical) {
  return logical.width > 0 && logical.height > 0 && usableDesktop.width >= logical.width &&
         usableDesktop.height >= logical.height;
}

}  // namespace platform
