// Failed runs: the default report on standard error and the bounds on nesting and loops.
// The reasons, lines and failing texts are pinned by the script fixtures run through qvtool. Random
// texts are the fuzz_script target's work.
#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "script/interpreter.h"
#include "script_harness.h"

namespace script {
namespace {

using testing::RunCase;
using testing::ScriptHarness;
using testing::ScriptRuns;
using Values = std::vector<std::string>;

TEST(ScriptFailures, DefaultHostReportsOnStandardError) {
  struct BoxOnlyHost final : Host {
    void ShowMessage(std::string_view text, std::string_view caption) override {
      boxes.push_back(std::string(caption) + ": " + std::string(text));
    }
    Values boxes;
  } host;
  NativeRegistry registry;
  ScriptEngine engine(registry, host);
  ASSERT_TRUE(engine.LoadScript("opts.scr", "function Update(){ var a; a=b }").ok());
  std::ostringstream captured;
  std::streambuf* const saved = std::cerr.rdbuf(captured.rdbuf());
  engine.CallFunction("Update");
  EXPECT_FALSE(engine.LoadScript("broken.scr", "function F(").ok());
  std::cerr.rdbuf(saved);
  EXPECT_EQ(captured.str(),
            "opts.scr:1: Update: undefined name 'b' in 'a=b'\n"
            "broken.scr:1: malformed parameter list of function 'F' in 'function F('\n");
  EXPECT_EQ(host.boxes, Values{"Error: Error executing script"});  // the load shows none
}

const std::string kDeepParentheses = std::string(5000, '(') + "1" + std::string(5000, ')');
const std::string kFineParentheses = std::string(500, '(') + "1" + std::string(500, ')');
std::string deepBlocks() {
  std::string blocks;
  for (int i = 0; i < 5000; ++i)
    blocks += "if(1){";
  return blocks + "Out(1)" + std::string(5000, '}');
}

INSTANTIATE_TEST_SUITE_P(
    Nesting, ScriptRuns,
    ::testing::Values(
        // The run too deep fails alone, with one box, and its callers go on.
        RunCase{
            "function R(){ Count() R() } function T(){ R() Out(Count()) }", {"200"}, kNestingFault},
        RunCase{
            "function D(){ n=n-1; if (n>0) { D() } } function T(){ global n; n=150; D() Out(n) }",
            {"0.0"}},
        RunCase{"var x; x=" + kDeepParentheses + "; Out(2)", {}, kNestingFault},
        RunCase{deepBlocks(), {}, kNestingFault},
        RunCase{"var x; x=" + kFineParentheses + "; Out(x)", {"1"}}));

TEST(ScriptNesting, EndlessLoopsFailAfterTheirBoundAndTheNextRunHasItAllAgain) {
  ScriptHarness h;
  // The endless outer loop calls a function with a short loop of its own: the passes of both
  // count against one run, and the failure deep inside unwinds the outer loop too.
  ASSERT_TRUE(
      h.load("function F(){ var i; i = 0; while (i < 3) { i = i + 1; Count() } }"
             "function E(){ while (1) { F() } Out(\"after\") }"
             "function L(){ var i; i = 0; while (i < 5) { i = i + 1 } Out(i) }"));
  h.counted = 0;
  h.engine().CallFunction("E");
  EXPECT_TRUE(h.outs.empty());
  EXPECT_EQ(h.host.boxes, Values{"Error: Error executing script"});
  ASSERT_EQ(h.host.errors.size(), 1u);
  EXPECT_EQ(h.host.errors[0].message, kLoopFault);
  EXPECT_GT(h.counted, NestingBudget::kMaxLoopPasses / 3);  // calls count as passes too
  EXPECT_FALSE(h.registry.nesting().overflowed());

  h.engine().CallFunction("L");
  EXPECT_EQ(h.outTexts(), Values{"5.0"});
  EXPECT_EQ(h.host.boxes.size(), 1u);
  EXPECT_EQ(h.registry.nesting().activeRuns(), 0);
}

TEST(ScriptNesting, CyclesThroughNativesAndOtherScriptsAreBounded) {
  ScriptHarness h;
  ScriptEngine a(h.registry, h.host);
  ScriptEngine b(h.registry, h.host);
  const auto show = [](ScriptEngine& engine) {
    return [&engine](std::span<const std::string>) {
      engine.CallFunction("OnShow");
      return std::optional<std::string>();
    };
  };
  h.registry.RegisterNative("ShowB", show(b));
  h.registry.RegisterNative("ShowA", show(a));
  ASSERT_TRUE(a.LoadScript("a.scr", "function OnShow(){ ShowB() ShowB() }").ok());
  ASSERT_TRUE(b.LoadScript("b.scr", "function OnShow(){ ShowA() ShowA() }").ok());
  a.CallFunction("OnShow");
  EXPECT_EQ(h.host.boxes.size(), 1u);
  ASSERT_GE(h.host.errors.size(), 1u);  // too deep, then the work bound
  EXPECT_EQ(h.host.errors[0].message, kNestingFault);
  EXPECT_EQ(h.host.errors.back().message, kLoopFault);
  EXPECT_FALSE(h.registry.nesting().overflowed());
}

}  // namespace
}  // namespace script
