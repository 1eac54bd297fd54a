// The script interpreter on the two shapes of work the game gives it: short event handlers,
// called once per event or frame, and loops inside a run. Both rescan the body text every time,
// as the interpreter has no compiled form.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "natives/application_variables.h"
#include "script/host.h"
#include "script/native_registry.h"
#include "script/script_engine.h"
#include "script/variable_table.h"

namespace {

class SilentHost final : public script::Host {
 public:
  void ShowMessage(std::string_view, std::string_view) override { ++boxes; }
  void ReportError(const script::ScriptError&) override {}
  int boxes = 0;
};

// A click handler of ten statements: declarations, arithmetic, a condition, a script-global and
// two application-variable natives.
constexpr const char* kHandlerScript = R"(
function Init(h)
{
  global clicks;
  clicks = 0;
}

function ok_Click(x, y)
{
  var dx;
  var dy;
  dx = x - 120;
  dy = y - 160;
  if ((dx * dx + dy * dy) < 400) { SetGlobalVar("Hit", 1); }
  clicks = clicks + 1;
  SetGlobalVar("Clicks", clicks);
  var last;
  last = GetGlobalVar("Clicks");
  return (last == clicks);
}
)";

constexpr const char* kLoopScript = R"(
function Loop()
{
  var i;
  var sum;
  while (i < 10000)
  {
    i = i + 1;
    sum = sum + i;
  }
  return sum;
}
)";

struct Fixture {
  explicit Fixture(const char* text) : engine(registry, host) {
    registry.RegisterNative("GetGlobalVar", natives::makeGetGlobalVar(variables));
    registry.RegisterNative("SetGlobalVar", natives::makeSetGlobalVar(variables));
    loaded = engine.LoadScript("bench.scr", text).ok();
  }
  SilentHost host;
  script::NativeRegistry registry;
  script::VariableTable variables;
  script::ScriptEngine engine;
  bool loaded = false;
};

void BM_EventHandlerCall(benchmark::State& state) {
  Fixture fixture(kHandlerScript);
  const std::vector<std::string> handle{"0"};
  fixture.engine.CallFunction("Init", handle);
  const std::vector<std::string> point{"130", "150"};
  if (!fixture.loaded || fixture.engine.CallFunction("ok_Click", point) != "1") {
    state.SkipWithError("handler did not run");
    return;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(fixture.engine.CallFunction("ok_Click", point));
  }
  state.SetItemsProcessed(state.iterations());  // calls per second
  if (fixture.host.boxes != 0) state.SkipWithError("handler failed");
}
BENCHMARK(BM_EventHandlerCall);

void BM_WhileLoop10000Passes(benchmark::State& state) {
  Fixture fixture(kLoopScript);
  if (!fixture.loaded || fixture.engine.CallFunction("Loop") != "50002896.0") {
    state.SkipWithError("loop did not run");
    return;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(fixture.engine.CallFunction("Loop"));
  }
  state.SetItemsProcessed(state.iterations() * 10000);  // loop passes per second
}
BENCHMARK(BM_WhileLoop10000Passes)->Unit(benchmark::kMillisecond);

}  // namespace
