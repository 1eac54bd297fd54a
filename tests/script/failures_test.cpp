// Failed runs: one error box per failing run, the recorded reason (script, function, line,
// failing text), the default report on standard error, and the bounds on nesting and loops.
// Random texts are the fuzz_script target's work.
#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "script/interpreter.h"
#include "script_harness.h"

namespace script {
namespace {

using testing::RecordingHost;
using testing::ScriptHarness;
using Values = std::vector<std::string>;

TEST(ScriptFailures, OneBoxPerFailingRunAndEarlierEffectsStay) {
  ScriptHarness h;
  ASSERT_TRUE(h.load("function Init(){ global g; g=1; Out(1); Nope(); g=2 }"));
  h.engine().CallFunction("Init");
  EXPECT_EQ(h.host.boxes, Values{"Error: Error executing script"});
  EXPECT_EQ(h.outFirsts(), Values{"1"});
  EXPECT_EQ(h.engine().globals().GetVariable("g"), "1");
}

TEST(ScriptFailures, RecordTheScriptFunctionLineAndFailingText) {
  ScriptHarness h;
  ASSERT_TRUE(h.engine()
                  .LoadScript("menu.scr",
                              "// menu\nfunction Init(h)\n{\n  var x;\n  x = 1;\n"
                              "  if (x) {\n    Out(Missing(x, 2));\n  }\n}\n")
                  .ok());
  const Values args{"0"};
  h.engine().CallFunction("Init", args);
  ASSERT_EQ(h.host.errors.size(), 1u);
  const ScriptError& error = h.host.errors[0];
  EXPECT_EQ(error.script, "menu.scr");
  EXPECT_EQ(error.function, "Init");
  EXPECT_EQ(error.line, 7);
  EXPECT_EQ(error.message, "undefined name 'Missing'");
  EXPECT_EQ(error.statement, "Out(Missing(x,2))");
  EXPECT_EQ(error.describe(), "menu.scr:7: Init: undefined name 'Missing' in 'Out(Missing(x,2))'");
  ASSERT_TRUE(h.engine().lastError().has_value());
  EXPECT_EQ(h.engine().lastError()->describe(), error.describe());
}

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

TEST(ScriptFailures, MissingFunctionsAndCountMismatchesAreSilent) {
  ScriptHarness h;
  ASSERT_TRUE(h.load("function F(a){ Out(a) } function Z(){ Out(0) }"));
  const Values two{"1", "2"};
  const Values one{"1"};
  h.engine().CallFunction("G");
  EXPECT_EQ(h.engine().CallFunction("F"), std::nullopt);
  EXPECT_EQ(h.engine().CallFunction("F", two), std::nullopt);
  EXPECT_EQ(h.engine().CallFunction("Z", one), std::nullopt);
  EXPECT_TRUE(h.outs.empty());
  EXPECT_TRUE(h.host.boxes.empty());
  EXPECT_TRUE(h.host.errors.empty());
  EXPECT_FALSE(h.engine().lastError().has_value());
}

TEST(ScriptNesting, RunawayRecursionFailsTheInnermostRunWithOneBoxAndTheCallersGoOn) {
  ScriptHarness h;
  ASSERT_TRUE(h.load("function R(){ Count() R() } function T(){ R() Out(\"after\") }"));
  h.counted = 0;
  h.engine().CallFunction("T");
  EXPECT_EQ(h.outFirsts(), Values{"after"});  // the run too deep failed alone
  EXPECT_EQ(h.host.boxes, Values{"Error: Error executing script"});
  ASSERT_EQ(h.host.errors.size(), 1u);
  EXPECT_EQ(h.host.errors[0].message, kNestingFault);
  EXPECT_EQ(h.host.errors[0].function, "R");
  EXPECT_EQ(h.counted, NestingBudget::kMaxRuns - 1);  // T plus 199 levels of R
  EXPECT_EQ(h.registry.nesting().activeRuns(), 0);
  EXPECT_FALSE(h.registry.nesting().overflowed());

  // Two self-calls per level keep running into the bound: the work bound ends it, still
  // with one box.
  ASSERT_TRUE(h.load("function R(){ R() R() } function T(){ R() Out(\"after\") }"));
  h.host.boxes.clear();
  h.outs.clear();
  h.engine().CallFunction("T");
  EXPECT_TRUE(h.outs.empty());
  EXPECT_EQ(h.host.boxes.size(), 1u);
  EXPECT_EQ(h.host.errors.back().message, kLoopFault);
  EXPECT_FALSE(h.registry.nesting().overflowed());

  // Afterwards the engine runs normally again.
  ASSERT_TRUE(h.load("function T(){ Out(1) }"));
  h.engine().CallFunction("T");
  EXPECT_EQ(h.outFirsts(), Values{"1"});
}

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
  EXPECT_TRUE(h.host.errors[0].function == "E" || h.host.errors[0].function == "F");
  EXPECT_GT(h.counted, NestingBudget::kMaxLoopPasses / 3);  // calls count as passes too
  EXPECT_FALSE(h.registry.nesting().overflowed());

  h.engine().CallFunction("L");
  EXPECT_EQ(h.outFirsts(), Values{"5.0"});
  EXPECT_EQ(h.host.boxes.size(), 1u);
}

TEST(ScriptNesting, ModerateRecursionIsFine) {
  ScriptHarness h;
  ASSERT_TRUE(
      h.load("function Init(){ global n; n=150 }"
             "function D(){ n=n-1; if (n>0) { D() } }"));
  h.engine().CallFunction("Init");
  h.engine().CallFunction("D");
  EXPECT_TRUE(h.host.boxes.empty());
  EXPECT_EQ(h.engine().globals().GetVariable("n"), "0.0");
}

TEST(ScriptNesting, CyclesThroughNativesAndOtherScriptsAreBounded) {
  ScriptHarness h;
  ScriptEngine a(h.registry, h.host);
  ScriptEngine b(h.registry, h.host);
  h.registry.RegisterNative("ShowB", [&](std::span<const std::string>) {
    b.CallFunction("OnShow");
    return std::optional<std::string>();
  });
  h.registry.RegisterNative("ShowA", [&](std::span<const std::string>) {
    a.CallFunction("OnShow");
    return std::optional<std::string>();
  });
  ASSERT_TRUE(a.LoadScript("a.scr", "function OnShow(){ ShowB() ShowB() }").ok());
  ASSERT_TRUE(b.LoadScript("b.scr", "function OnShow(){ ShowA() ShowA() }").ok());
  a.CallFunction("OnShow");
  EXPECT_EQ(h.host.boxes.size(), 1u);
  ASSERT_GE(h.host.errors.size(), 1u);  // too deep, then the work bound
  EXPECT_EQ(h.host.errors[0].message, kNestingFault);
  EXPECT_FALSE(h.registry.nesting().overflowed());
}

TEST(ScriptNesting, DeeplyNestedParenthesesAndBlocksFailCleanly) {
  ScriptHarness h;
  const int depth = 5000;
  h.run("var x; x=" + std::string(depth, '(') + "1" + std::string(depth, ')') + "; Out(2)");
  EXPECT_TRUE(h.outs.empty());
  EXPECT_EQ(h.host.boxes.size(), 1u);
  EXPECT_EQ(h.host.errors.back().message, kNestingFault);

  std::string blocks;
  for (int i = 0; i < depth; ++i)
    blocks += "if(1){";
  blocks += "Out(1)" + std::string(depth, '}');
  h.run(blocks);
  EXPECT_TRUE(h.outs.empty());
  EXPECT_EQ(h.host.errors.back().message, kNestingFault);

  h.run("var x; x=" + std::string(500, '(') + "1" + std::string(500, ')') + "; Out(x)");
  EXPECT_EQ(h.outFirsts(), Values{"1"});
}

TEST(ScriptNesting, UnbalancedAndHugeTextsNeverReadOutOfBounds) {
  ScriptHarness h;
  for (const std::string& body :
       {std::string("Out(((("), std::string("if"), std::string("if(1)"), std::string("while"),
        std::string("return"), std::string("var"), std::string("Out(\""), std::string("\""),
        std::string("x=\"abc"), std::string("Out(1,\"a)"), std::string(")))"),
        std::string("if(1){Out(1)}else"), std::string(40000, '"'), std::string(5000, '$')}) {
    h.run(body);
    EXPECT_LE(h.host.boxes.size(), 1u) << body.substr(0, 20);
  }
}

}  // namespace
}  // namespace script
