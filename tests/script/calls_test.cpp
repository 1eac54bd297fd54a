// Calls: natives with evaluated arguments and the script name, script functions with the
// argument texts, CallFunction's count rules, pending return values and re-entry.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "script_harness.h"

namespace script {
namespace {

using testing::ScriptHarness;
using Values = std::vector<std::string>;

TEST(ScriptNativeCalls, ReceiveEvaluatedArgumentsThenTheScriptName) {
  ScriptHarness h;
  h.run("var a; a=2; Out(a, a+1, \"s t\",, (a*2))");
  ASSERT_EQ(h.outs.size(), 1u);
  EXPECT_EQ(h.outs[0], (Values{"2", "3.0", "s t", "4.0", "test.scr"}));
  h.run("Out()");
  ASSERT_EQ(h.outs.size(), 1u);
  EXPECT_EQ(h.outs[0], Values{"test.scr"});  // no arguments: element 0 is the name
}

TEST(ScriptNativeCalls, NothingReturnedReadsAsZero) {
  ScriptHarness h;
  h.run("var x; x=Out(1); Out(x)");
  ASSERT_EQ(h.outs.size(), 2u);
  EXPECT_EQ(h.outs[1][0], "0");
}

TEST(ScriptNativeCalls, ArgumentsAreEvaluatedLeftToRightAndAFailureStopsTheCall) {
  ScriptHarness h;
  h.counted = 0;
  h.run("Out(Count(), Count(), Count())");
  ASSERT_EQ(h.outs.size(), 1u);
  EXPECT_EQ(h.outs[0], (Values{"1", "2", "3", "test.scr"}));
  h.run("Out(Count(), Nope, Count())");
  EXPECT_TRUE(h.outs.empty());
  EXPECT_EQ(h.counted, 4);
}

TEST(ScriptNativeCalls, ArgumentListIsNeeded) {
  ScriptHarness h;
  h.run("Out");
  EXPECT_EQ(h.host.errors.back().message, "missing '(' of the argument list of 'Out'");
  h.run("Out(1");
  EXPECT_EQ(h.host.errors.back().message, "missing ')' of the argument list of 'Out'");
  h.run("Out(\")\"");
  EXPECT_EQ(h.host.errors.back().message, "missing ')' of the argument list of 'Out'");
}

TEST(ScriptNativeCalls, ArgumentPiecesOver1024CharactersFail) {
  ScriptHarness h;
  const std::string ok = "\"" + std::string(1022, 'a') + "\"";  // 1024 with the quotes
  h.run("Out(" + ok + ")");
  ASSERT_EQ(h.outs.size(), 1u);
  EXPECT_EQ(h.outs[0][0].size(), 1022u);
  h.run("Out(\"" + std::string(1023, 'a') + "\")");
  EXPECT_TRUE(h.outs.empty());
  EXPECT_EQ(h.host.errors.back().message, "argument longer than 1024 characters in call of 'Out'");
}

TEST(ScriptNativeCalls, ThrowingNativeFailsTheStatement) {
  ScriptHarness h;
  h.registry.RegisterNative("Throw",
                            [](std::span<const std::string>) -> std::optional<std::string> {
                              throw std::runtime_error("bad argument");
                            });
  h.run("Out(1) Throw() Out(2)");
  EXPECT_EQ(h.outFirsts(), Values{"1"});
  EXPECT_EQ(h.host.boxes.size(), 1u);
  EXPECT_EQ(h.host.errors.back().message, "native 'Throw' failed: bad argument");
}

TEST(ScriptCalls, ScriptFunctionsReceiveArgumentTextsUnevaluated) {
  ScriptHarness h;
  ASSERT_TRUE(
      h.load("function F(p){ Out(p) } function G(a,b){ Out(a, b) }"
             "function T(){ var x; x=9; F(x) F(5) F(\"s\") F(x+1) F((x)) G(x,,\"q\") }"));
  h.engine().CallFunction("T");
  EXPECT_EQ(h.outFirsts(), (Values{"x", "5", "\"s\"", "x+1", "(x)", "x"}));
  ASSERT_EQ(h.outs.size(), 6u);
  EXPECT_EQ(h.outs[5], (Values{"x", "\"q\"", "test.scr"}));
  EXPECT_TRUE(h.host.boxes.empty());
}

TEST(ScriptCalls, CountMismatchSkipsTheCalleeAndGivesZero) {
  ScriptHarness h;
  ASSERT_TRUE(
      h.load("function F(a,b){ Out(\"ran\") return 1 }"
             "function T(){ Out(F(1,2,3)) Out(F(1)) Out(F()) Out(F(1,2)) }"));
  h.engine().CallFunction("T");
  EXPECT_EQ(h.outFirsts(), (Values{"0", "0", "0", "ran", "1"}));
  EXPECT_TRUE(h.host.boxes.empty());
}

TEST(ScriptCalls, ValueIsThePendingReturnOrZero) {
  ScriptHarness h;
  ASSERT_TRUE(
      h.load("function Five(){ return 5 } function None(){ Out(\"n\") }"
             "function Bad(){ Nope() return 1 }"
             "function T(){ Out(Five()) Out(Five()) Out(None()) Out(Bad()) Out(\"on\") }"));
  h.engine().CallFunction("T");
  EXPECT_EQ(h.outFirsts(), (Values{"5", "5", "n", "0", "0", "on"}));
  // The failing callee shows its box, the caller carries on and shows none.
  EXPECT_EQ(h.host.boxes, Values{"Error: Error executing script"});
  ASSERT_EQ(h.host.errors.size(), 1u);
  EXPECT_EQ(h.host.errors[0].function, "Bad");
}

TEST(ScriptCalls, CallFunctionReportsHowTheCallWent) {
  ScriptHarness h;
  ASSERT_TRUE(
      h.load("function Ok(a){ return a } function Bad(){ Nope() }"
             "function Quiet(){ Out(1) }"));
  const Values one{"7"};
  EXPECT_EQ(h.engine().RunFunction("Missing").outcome, CallOutcome::MissingFunction);
  EXPECT_EQ(h.engine().RunFunction("Ok").outcome, CallOutcome::CountMismatch);
  const CallReport ok = h.engine().RunFunction("Ok", one);
  EXPECT_EQ(ok.outcome, CallOutcome::Ran);
  EXPECT_EQ(ok.value, "7");
  const CallReport quiet = h.engine().RunFunction("Quiet");
  EXPECT_EQ(quiet.outcome, CallOutcome::Ran);
  EXPECT_EQ(quiet.value, std::nullopt);
  const CallReport bad = h.engine().RunFunction("Bad");
  EXPECT_EQ(bad.outcome, CallOutcome::Failed);
  EXPECT_EQ(bad.value, std::nullopt);
  EXPECT_EQ(h.host.boxes.size(), 1u);
}

TEST(ScriptCalls, RecursionHasItsOwnLocalsPerRun) {
  ScriptHarness h;
  // Arguments bind texts, not values, so the count travels in a script-global; each level
  // keeps its own copy in a local and prints it after the deeper levels have run.
  ASSERT_TRUE(
      h.load("function Init(){ global n; n=5 }"
             "function Down(){ var mine; mine=n; n=n-1; if (n>0) { Down() } Out(mine) }"));
  h.engine().CallFunction("Init");
  h.engine().CallFunction("Down");
  EXPECT_EQ(h.outFirsts(), (Values{"1.0", "2.0", "3.0", "4.0", "5"}));
  EXPECT_TRUE(h.host.boxes.empty());
}

TEST(ScriptCalls, FactorialThroughReturnValues) {
  ScriptHarness h;
  // Each level's product comes back as its pending return value.
  ASSERT_TRUE(
      h.load("function Init(){ global k; k=6 }"
             "function Fact(){ var mine; mine=k; if (k<2) { return 1 } k=k-1;"
             " var r; r=Fact(); return (mine*r) }"));
  h.engine().CallFunction("Init");
  EXPECT_EQ(h.engine().CallFunction("Fact"), "720.0");
}

TEST(ScriptCalls, NativesMayCallBackIntoScripts) {
  ScriptHarness h;
  ScriptEngine* engine = &h.engine();
  h.registry.RegisterNative("Back", [&](std::span<const std::string> args) {
    return engine->CallFunction("Inner", args.first(args.size() - 1));
  });
  ASSERT_TRUE(
      h.load("function Init(){ global depth; depth=0 }"
             "function Inner(a){ depth=depth+1; return (a$+\"!\") }"
             "function T(){ Out(Back(\"x\")) Out(Back(\"y\")) Out(depth) }"));
  h.engine().CallFunction("Init");
  h.engine().CallFunction("T");
  EXPECT_EQ(h.outFirsts(), (Values{"x!", "y!", "2.0"}));
}

TEST(ScriptCalls, NativeCallingAnotherScriptShowsThatScriptsFailure) {
  ScriptHarness h;
  ScriptEngine other(h.registry, h.host);
  ASSERT_TRUE(other.LoadScript("other.scr", "function OnShow(){ Out(\"shown\") Nope() }").ok());
  h.registry.RegisterNative("Switch", [&](std::span<const std::string>) {
    other.CallFunction("OnShow");
    return std::optional<std::string>();
  });
  h.run("Switch() Out(\"back\")");
  EXPECT_EQ(h.outFirsts(), (Values{"shown", "back"}));
  EXPECT_EQ(h.host.boxes.size(), 1u);
  ASSERT_EQ(h.host.errors.size(), 1u);
  EXPECT_EQ(h.host.errors[0].script, "other.scr");
  EXPECT_EQ(h.host.errors[0].function, "OnShow");
}

TEST(ScriptCalls, ReloadingTheRunningScriptIsRefused) {
  ScriptHarness h;
  ScriptEngine* engine = &h.engine();
  h.registry.RegisterNative("Reload", [&](std::span<const std::string>) {
    const bool ok = engine->LoadScript("new.scr", "function Other(){}").ok();
    return std::optional<std::string>(ok ? "loaded" : "refused");
  });
  ASSERT_TRUE(h.load("function T(){ Out(Reload()) Out(\"still here\") }"));
  h.engine().CallFunction("T");
  EXPECT_EQ(h.outFirsts(), (Values{"refused", "still here"}));
  EXPECT_EQ(h.engine().scriptName(), "test.scr");
  ASSERT_NE(h.engine().FindFunction("T"), nullptr);
  ASSERT_EQ(h.host.errors.size(), 1u);
  EXPECT_EQ(h.host.errors[0].message,
            "cannot load a script into an engine whose functions are running");
  EXPECT_TRUE(h.host.boxes.empty());
  // Once the run is over, loading works again.
  EXPECT_TRUE(h.engine().LoadScript("new.scr", "function Other(){}").ok());
}

TEST(ScriptRegistry, FirstRegistrationOfANameStays) {
  NativeRegistry registry;
  EXPECT_TRUE(registry.RegisterNative(
      "F", [](std::span<const std::string>) { return std::optional<std::string>("first"); }));
  EXPECT_FALSE(registry.RegisterNative(
      "F", [](std::span<const std::string>) { return std::optional<std::string>("second"); }));
  EXPECT_FALSE(registry.RegisterNative("G", NativeFunction()));
  EXPECT_EQ(registry.entries().size(), 1u);
  const Values args{"test.scr"};
  EXPECT_EQ(registry.CallNative("F", args), "first");
  EXPECT_EQ(registry.CallNative("f", args), std::nullopt);
  EXPECT_EQ(registry.FindNative(""), nullptr);
}

}  // namespace
}  // namespace script
