// Small text formats: headless replays and the relay level list.
#include "fuzz_target.h"
#include "game/modes/level_list.h"
#include "platform/headless/replay.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (auto replay = platform::parseReplay(text)) {
    std::uint32_t last = 0;
    for (const auto& step : replay->steps) {
      QV_FUZZ_CHECK(step.atMs >= last);  // time never runs backwards
      last = step.atMs;
    }
    QV_FUZZ_CHECK(replay->endMs >= last);
  }
  for (const game::RelayLevel& level : game::ParseLevelList(text)) {
    QV_FUZZ_CHECK(level.targetMetres > 0 && level.goos >= 0);
  }
  return 0;
}

std::vector<std::string> QvFuzzSeeds() {
  return {"wait 100\ntap 10 20 # comment\nkey 13\nshot a.bmp\nwait 5\nquit\n",
          "3\n5,20\n8,25\n12,30\n"};
}
