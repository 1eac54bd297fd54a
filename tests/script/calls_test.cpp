// Calls: natives with evaluated arguments and the script name, script functions with the
// argument texts, CallFunction's count rules, pending return values and re-entry.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "script_harness.h"

namespace script {
namespace {

using testing::RunCase;
using testing::ScriptHarness;
using testing::ScriptRuns;
using Values = std::vector<std::string>;

const std::string kPiece1024 = "\"" + std::string(1022, 'a') + "\"";  // with the quotes

INSTANTIATE_TEST_SUITE_P(
    Natives, ScriptRuns,
    ::testing::Values(
        RunCase{"var a; a=2; Out(a, a+1, \"s t\",, (a*2))", {"2,3.0,s t,4.0"}},
        RunCase{"Out()", {""}},
        RunCase{"var x; x=Out(1); Out(x)", {"1", "0"}},  // nothing returned reads as zero
        RunCase{"Out(Count(), Count(), Count())", {"1,2,3"}},
        RunCase{"function F(){ Out(Count(), Nope, Count()) } function T(){ F() Out(Count()) }",
                {"2"},
                "undefined name 'Nope'"},
        RunCase{"Out", {}, "missing '(' of the argument list of 'Out'"},
        RunCase{"Out(1", {}, "missing ')' of the argument list of 'Out'"},
        RunCase{"Out(\")\"", {}, "missing ')' of the argument list of 'Out'"},
        RunCase{"Out(" + kPiece1024 + ")", {std::string(1022, 'a')}},
        RunCase{"Out(\"" + std::string(1023, 'a') + "\")",
                {},
                "argument longer than 1024 characters in call of 'Out'"},
        RunCase{"Out(1) Throw() Out(2)", {"1"}, "native 'Throw' failed: bad argument"}));

INSTANTIATE_TEST_SUITE_P(
    ScriptFunctions, ScriptRuns,
    ::testing::Values(
        // Script functions receive the argument texts unevaluated.
        RunCase{"function F(p){ Out(p) } function G(a,b){ Out(a, b) }"
                "function T(){ var x; x=9; F(x) F(5) F(\"s\") F(x+1) F((x)) G(x,,\"q\") }",
                {"x", "5", "\"s\"", "x+1", "(x)", "x,\"q\""}},
        // A count mismatch skips the callee and gives zero.
        RunCase{"function F(a,b){ Out(\"ran\") return 1 }"
                "function T(){ Out(F(1,2,3)) Out(F(1)) Out(F()) Out(F(1,2)) }",
                {"0", "0", "0", "ran", "1"}},
        // The value is the pending return or zero; a failing callee shows its box and the
        // caller carries on.
        RunCase{"function Five(){ return 5 } function None(){ Out(\"n\") }"
                "function Bad(){ Nope() return 1 }"
                "function T(){ Out(Five()) Out(Five()) Out(None()) Out(Bad()) Out(\"on\") }",
                {"5", "5", "n", "0", "0", "on"},
                "undefined name 'Nope'"},
        // Arguments bind texts, so the count travels in a script-global; each level keeps its
        // own copy in a local and prints it after the deeper levels have run.
        RunCase{"function Down(){ var mine; mine=n; n=n-1; if (n>0) { Down() } Out(mine) }"
                "function T(){ global n; n=5; Down() }",
                {"1.0", "2.0", "3.0", "4.0", "5"}}));

// The outcomes of a missing function, a wrong count and a run are pinned by the handler
// fixtures run through qvtool script; CallFunction's misses are silent.
TEST(ScriptCalls, CallFunctionMissesAreSilentAndAFailedRunIsReported) {
  ScriptHarness h;
  ASSERT_TRUE(
      h.load("function Ok(a){ return a } function Bad(){ Nope() } function Quiet(){ Out(1) }"));
  EXPECT_EQ(h.engine().CallFunction("Missing"), std::nullopt);
  EXPECT_EQ(h.engine().CallFunction("Ok", Values{"1", "2"}), std::nullopt);
  EXPECT_EQ(h.engine().CallFunction("Quiet", Values{"7"}), std::nullopt);
  EXPECT_TRUE(h.outs.empty());
  EXPECT_TRUE(h.host.boxes.empty());
  EXPECT_TRUE(h.host.errors.empty());
  EXPECT_FALSE(h.engine().lastError().has_value());
  EXPECT_EQ(h.engine().RunFunction("Ok", Values{"7"}).value, "7");
  EXPECT_EQ(h.engine().RunFunction("Quiet").value, std::nullopt);
  EXPECT_EQ(h.engine().RunFunction("Bad").outcome, CallOutcome::Failed);
  EXPECT_EQ(h.host.boxes.size(), 1u);
  EXPECT_EQ(h.engine().lastError()->describe(),
            "test.scr:1: Bad: undefined name 'Nope' in 'Nope()'");
}

TEST(ScriptCalls, NativesMayCallBackIntoScripts) {
  ScriptHarness h;
  ScriptEngine* engine = &h.engine();
  h.registry.RegisterNative("Back", [&](std::span<const std::string> args) {
    return engine->CallFunction("Inner", args.first(args.size() - 1));
  });
  ASSERT_TRUE(h.load(
      "function Inner(a){ depth=depth+1; return (a$+\"!\") }"
      "function T(){ global depth; depth=0; Out(Back(\"x\")) Out(Back(\"y\")) Out(depth) }"));
  h.engine().CallFunction("T");
  EXPECT_EQ(h.outTexts(), (Values{"x!", "y!", "2.0"}));
}

// Another script called from a native shows its own failure, and sees none of this script's
// globals.
TEST(ScriptCalls, NativeCallingAnotherScriptShowsThatScriptsFailure) {
  ScriptHarness h;
  ScriptEngine other(h.registry, h.host);
  ASSERT_TRUE(other.LoadScript("other.scr", "function OnShow(){ Out(\"shown\") Out(g) }").ok());
  h.registry.RegisterNative("Switch", [&](std::span<const std::string>) {
    other.CallFunction("OnShow");
    return std::optional<std::string>();
  });
  h.run("global g; g=1; Switch() Out(\"back\")");
  EXPECT_EQ(h.outTexts(), (Values{"shown", "back"}));
  EXPECT_EQ(h.host.boxes.size(), 1u);
  ASSERT_EQ(h.host.errors.size(), 1u);
  EXPECT_EQ(h.host.errors[0].message, "undefined name 'g'");
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
  EXPECT_EQ(h.outTexts(), (Values{"refused", "still here"}));
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
  const auto gives = [](const char* text) {
    return [text](std::span<const std::string>) { return std::optional<std::string>(text); };
  };
  EXPECT_TRUE(registry.RegisterNative("F", gives("first")));
  EXPECT_FALSE(registry.RegisterNative("F", gives("second")));
  EXPECT_FALSE(registry.RegisterNative("G", NativeFunction()));
  EXPECT_EQ(registry.entries().size(), 1u);
  const Values args{"test.scr"};
  EXPECT_EQ(registry.CallNative("F", args), "first");
  EXPECT_EQ(registry.CallNative("f", args), std::nullopt);
}

}  // namespace
}  // namespace script
