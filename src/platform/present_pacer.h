// PresentPacer: when the next picture between game frames is due: one every refresh period of
// the display, on a steady beat. Where the renderer waits for the display's vertical sync, a
// show that returns after the beat pulls the beat to the display's own; where it does not (a
// virtual display, a driver that ignores the sync) the beat alone keeps the pictures to the
// refresh rate.
#pragma once

#include <cstdint>

namespace platform {

class PresentPacer {
 public:
  /// rateHz: the display's refresh rate (60 when unknown, kept within 24..500).
  explicit PresentPacer(int rateHz);

  /// A show returned at endUs (microseconds of any steady clock).
  void Shown(std::uint64_t endUs);
  /// The earliest time of the next picture.
  std::uint64_t nextUs() const { return next_; }
  std::uint64_t periodUs() const { return period_; }

 private:
  std::uint64_t period_;
  std::uint64_t next_ = 0;
};

}  // namespace platform
