#include "platform/present_pacer.h"

#include <algorithm>

namespace platform {

PresentPacer::PresentPacer(int rateHz)
    : period_(1000000u /
              static_cast<std::uint64_t>(std::clamp(rateHz > 0 ? rateHz : 60, 24, 500))) {}

void PresentPacer::Shown(std::uint64_t endUs) {
  // One picture a period on average; a show that ended past the beat (it waited for the
  // display, or the program was held up) starts the beat again from its end.
  next_ = std::max(next_ + period_, endUs);
}

}  // namespace platform
