// Window geometry of the desktop front-end, free of SDL: the scale a new window opens at,
// where the picture lies in a window of any size, and whether the desktop can show a screen
// unscaled.
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

/// Where the logical screen lies in a window, in window pixels; the rest is black bars.
struct FitRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool wholeScale = false;  // a whole multiple of the logical screen
  friend bool operator==(const FitRect&, const FitRect&) = default;
};

/// The picture's place in a window: centred, at the largest whole scale when the window holds
/// the screen at least once, else the largest fit that keeps the screen's aspect. Never
/// squashed or stretched; an empty window or screen gives an empty rectangle.
FitRect PictureFit(FitSize window, FitSize logical);

/// True when the usable desktop can show the logical screen unscaled.
bool FitsUnscaled(FitSize usableDesktop, FitSize logical);

}  // namespace platform
