// PresentPacer: when the next picture between game frames is due. With the display's vertical
// sync the show itself waits for the display, so a picture is painted half a refresh after the
// last show returned; a show that keeps returning at once means the sync is not there (a virtual
// display, a driver that ignores it), and the pacer then times the pictures itself at the
// refresh rate.
#pragma once

#include <cstdint>

namespace platform {

class PresentPacer {
 public:
  /// rateHz: the display's refresh rate (60 when unknown); vsync: the renderer claims to wait
  /// for the display.
  PresentPacer(int rateHz, bool vsync);

  /// A show ran from startUs to endUs (microseconds of any steady clock).
  void Shown(std::uint64_t startUs, std::uint64_t endUs);
  /// The earliest time of the next picture.
  std::uint64_t nextUs() const { return next_; }
  bool vsync() const { return vsync_; }
  std::uint64_t periodUs() const { return period_; }

 private:
  std::uint64_t period_;
  bool vsync_;
  std::uint64_t next_ = 0;
  int shows_ = 0;
  int quickShows_ = 0;
};

}  // namespace platform
