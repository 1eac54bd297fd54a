// Window geometry of the desktop front-end, free of SDL: the scale a new window opens at and
// whether the desktop can show a screen unscaled.
#pragma once

namespace platform {

struct FitSize {
  int width = 0;
  int height = 0;
};

/// The whole factor a window for a logical screen opens at: the largest that fits the usable
/// desktop (2 or more wherever twice the screen fits), 1 when not even twice fits, so the
/// window never outgrows the desktop. A desktop of unknown size (zero or negative) gets 2.
int InitialWindowScale(FitSize usableDesktop, FitSize logical);

/// True when the usable desktop can show the logical screen unscaled.
bool FitsUnscaled(FitSize usableDesktop, FitSize logical);

}  // namespace platform
