#include "platform/present_pacer.h"

#include <algorithm>

namespace platform {

namespace {
constexpr int kTrialShows = 20;  // shows watched before the sync is trusted
}

PresentPacer::PresentPacer(int rateHz, bool vsync)
    : period_(1000000u / static_cast<std::uint64_t>(std::clamp(rateHz > 0 ? rateHz : 60, 24, 500))),
      vsync_(vsync) {}

void PresentPacer::Shown(std::uint64_t startUs, std::uint64_t endUs) {
  if (vsync_ && shows_ < kTrialShows) {
    ++shows_;
    if (endUs - startUs < period_ / 10) ++quickShows_;
    if (shows_ == kTrialShows && quickShows_ > kTrialShows / 2) vsync_ = false;
  }
  if (vsync_) {
    next_ = endUs + period_ / 2;
    return;
  }
  // Timed: one picture per period on average; after a stall the count starts again.
  next_ = std::max(next_ + period_, endUs);
}

}  // namespace platform
