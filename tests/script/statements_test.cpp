// Blocks and keyword statements: assignments, var/global, if/else, while, return and the
// pending return value.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script_harness.h"

namespace script {
namespace {

using testing::ScriptHarness;
using Values = std::vector<std::string>;

TEST(ScriptAssignment, StoresTheExpressionValueInLocalsAndGlobals) {
  ScriptHarness h;
  h.run("var x; x=7; Out(x); x=3+4; Out(x); global g; g=x$+\"!\"; Out(g)");
  EXPECT_EQ(h.outFirsts(), (Values{"7", "7.0", "7.0!"}));
  EXPECT_TRUE(h.host.boxes.empty());
  EXPECT_EQ(h.engine().globals().GetVariable("g"), "7.0!");
}

TEST(ScriptAssignment, ExpressionEndsAtTheNextBlankOutsideStrings) {
  ScriptHarness h;
  // The blank inside the string belongs to the value; the one from ";" ends the statement.
  h.run("var s; s=\"a b\"$+\"c\"; Out(s)");
  EXPECT_EQ(h.outFirsts(), Values{"a bc"});
}

TEST(ScriptAssignment, UndeclaredNameIsACallAndFails) {
  ScriptHarness h;
  h.run("Out(1); y=2; Out(3)");
  EXPECT_EQ(h.outFirsts(), Values{"1"});  // the failure stops the run, earlier effects stay
  EXPECT_EQ(h.host.boxes, Values{"Error: Error executing script"});
  ASSERT_EQ(h.host.errors.size(), 1u);
  EXPECT_EQ(h.host.errors[0].message, "undefined name 'y'");
  EXPECT_EQ(h.host.errors[0].statement, "y=2");
}

TEST(ScriptAssignment, BareVariableNameDoesNothing) {
  ScriptHarness h;
  h.run("var x; x=4; x; Out(x)");
  EXPECT_EQ(h.outFirsts(), Values{"4"});
  EXPECT_TRUE(h.host.boxes.empty());
}

TEST(ScriptAssignment, LocalsShadowGlobalsAndKeywordsComeFirst) {
  ScriptHarness h;
  ASSERT_TRUE(
      h.load("function Init(){ global v; v=1 }"
             "function T(){ var v; v=2; Out(v) }"
             "function G(){ Out(v) }"));
  h.engine().CallFunction("Init");
  h.engine().CallFunction("T");
  h.engine().CallFunction("G");
  EXPECT_EQ(h.outFirsts(), (Values{"2", "1"}));
}

TEST(ScriptDeclarations, VarStartsAtZeroAndFailsOnASecondDeclaration) {
  ScriptHarness h;
  h.run("var x; Out(x); var x; Out(9)");
  EXPECT_EQ(h.outFirsts(), Values{"0"});
  ASSERT_EQ(h.host.errors.size(), 1u);
  EXPECT_EQ(h.host.errors[0].message, "var 'x' is declared already");
  EXPECT_EQ(h.host.boxes.size(), 1u);
}

TEST(ScriptDeclarations, VarOfAParameterFails) {
  ScriptHarness h;
  ASSERT_TRUE(h.load("function F(a){ var a; Out(1) }"));
  const std::string argument = "5";
  h.engine().CallFunction("F", std::span(&argument, 1));
  EXPECT_TRUE(h.outs.empty());
  EXPECT_EQ(h.host.boxes.size(), 1u);
}

TEST(ScriptDeclarations, VarInsideALoopBodyFailsOnTheSecondPass) {
  ScriptHarness h;
  // The failing pass only ends the loop: the statement after the loop still runs.
  h.run("var i; while (i<3) { i=i+1; var t; Out(i) } Out(\"after\")");
  EXPECT_EQ(h.outFirsts(), (Values{"1.0", "after"}));
  EXPECT_TRUE(h.host.boxes.empty());
}

TEST(ScriptDeclarations, GlobalRunsOncePerLoadedScript) {
  ScriptHarness h;
  ASSERT_TRUE(h.load("function Init(){ global g; g=5 } function Show(){ Out(g) }"));
  h.engine().CallFunction("Init");
  EXPECT_TRUE(h.host.boxes.empty());
  h.engine().CallFunction("Show");
  EXPECT_EQ(h.outFirsts(), Values{"5"});
  h.engine().CallFunction("Init");  // global g a second time
  EXPECT_EQ(h.host.boxes.size(), 1u);
  ASSERT_EQ(h.host.errors.size(), 1u);
  EXPECT_EQ(h.host.errors[0].message, "global 'g' is declared already");
  EXPECT_EQ(h.engine().globals().GetVariable("g"), "5");
}

TEST(ScriptDeclarations, GlobalsBelongToOneScript) {
  ScriptHarness h;
  ASSERT_TRUE(h.load("function Init(){ global g; g=5 }"));
  h.engine().CallFunction("Init");
  ScriptEngine other(h.registry, h.host);
  ASSERT_TRUE(other.LoadScript("other.scr", "function Show(){ Out(g) }").ok());
  other.CallFunction("Show");
  EXPECT_TRUE(h.outs.empty());
  EXPECT_EQ(h.host.boxes.size(), 1u);
  EXPECT_EQ(h.host.errors.back().message, "undefined name 'g'");
}

TEST(ScriptDeclarations, TwoBlanksJoinTheKeywordAndTheName) {
  ScriptHarness h;
  h.run("var  x");  // cleaned to varx, which is no keyword and no name
  EXPECT_EQ(h.host.boxes.size(), 1u);
  EXPECT_EQ(h.host.errors.back().message, "undefined name 'varx'");
}

TEST(ScriptIf, RunsThenOrElsePart) {
  ScriptHarness h;
  h.run(
      "if (1) { Out(1) } if (0) { Out(2) } if (0) { Out(3) } else { Out(4) }"
      " if (1) { Out(5) } else { Out(6) }");
  EXPECT_EQ(h.outFirsts(), (Values{"1", "4", "5"}));
}

TEST(ScriptIf, ConditionIsTrueWhenItReadsAsNonZero) {
  ScriptHarness h;
  h.run("if (0.5) Out(1); if (\"abc\") Out(2); if (\"3x\") Out(3); if (0-1) Out(4)");
  EXPECT_EQ(h.outFirsts(), (Values{"1", "3", "4"}));
}

TEST(ScriptIf, SingleStatementPartsEndAtTheNextBlank) {
  ScriptHarness h;
  h.run("var x; if (0) x=1 else x=2 Out(x) if (1) Out(\"a b\") Out(3)");
  EXPECT_EQ(h.outFirsts(), (Values{"2", "a b", "3"}));
}

TEST(ScriptIf, WordReadAheadThatIsNotElseStaysTheNextStatement) {
  ScriptHarness h;
  h.run("if (0) { Out(1) } Out(2) if (0) { Out(3) } elsewhere");
  EXPECT_EQ(h.outFirsts(), Values{"2"});
  EXPECT_EQ(h.host.errors.back().message, "undefined name 'elsewhere'");
}

TEST(ScriptIf, StrayElseFailsTheRun) {
  ScriptHarness h;
  h.run("Out(1) else { Out(2) }");
  EXPECT_EQ(h.outFirsts(), Values{"1"});
  EXPECT_EQ(h.host.errors.back().message, "undefined name 'else'");
}

TEST(ScriptIf, FailingPartOrConditionFailsTheStatement) {
  ScriptHarness h;
  h.run("if (1) { Nope() } Out(1)");
  EXPECT_TRUE(h.outs.empty());
  EXPECT_EQ(h.host.boxes.size(), 1u);
  h.run("if (Nope) { Out(1) } Out(2)");
  EXPECT_TRUE(h.outs.empty());
  EXPECT_EQ(h.host.boxes.size(), 1u);
}

TEST(ScriptWhile, RepeatsWhileTheConditionHolds) {
  ScriptHarness h;
  h.run("var i; while (i<3) { i=i+1; Out(i) } Out(\"done\")");
  EXPECT_EQ(h.outFirsts(), (Values{"1.0", "2.0", "3.0", "done"}));
  h.run("while (0) { Out(1) } Out(2)");
  EXPECT_EQ(h.outFirsts(), Values{"2"});
}

TEST(ScriptWhile, BodyFailingOnItsThirdPassEndsTheLoopQuietly) {
  ScriptHarness h;
  // The third pass fails at Nope(): two full passes, the third stops before its second Out,
  // and the statement after the loop runs; the run as a whole succeeds.
  h.run("var i; while (i<10) { i=i+1; Out(i); if (i==3) Nope(); Out(\"pass\") } Out(\"end\")");
  EXPECT_EQ(h.outFirsts(), (Values{"1.0", "pass", "2.0", "pass", "3.0", "end"}));
  EXPECT_TRUE(h.host.boxes.empty());
  EXPECT_TRUE(h.host.errors.empty());  // a failing pass is no failure of the run
  // A later failure in the same run is reported with its own reason.
  h.run("var i; while (i<2) { i=i+1; Nope() } Other()");
  ASSERT_EQ(h.host.errors.size(), 1u);
  EXPECT_EQ(h.host.errors[0].message, "undefined name 'Other'");
}

TEST(ScriptWhile, FailingConditionFailsTheStatement) {
  ScriptHarness h;
  h.run("while (Nope) { Out(1) } Out(2)");
  EXPECT_TRUE(h.outs.empty());
  EXPECT_EQ(h.host.boxes.size(), 1u);
}

TEST(ScriptReturn, TakesOneOperandNotAnExpression) {
  ScriptHarness h;
  ASSERT_TRUE(
      h.load("function A(){ var a; var b; a=2; b=3; return a+b }"
             "function B(){ var a; var b; a=2; b=3; return (a+b) }"));
  EXPECT_EQ(h.engine().CallFunction("A"), "2");
  EXPECT_EQ(h.engine().CallFunction("B"), "5.0");
  EXPECT_TRUE(h.host.boxes.empty());
}

TEST(ScriptReturn, EndsTheEnclosingBlocksAtOnce) {
  ScriptHarness h;
  EXPECT_EQ(h.run("Out(1) if (1) { return 5; Out(2) } Out(3)"), "5");
  EXPECT_EQ(h.outFirsts(), Values{"1"});
}

TEST(ScriptReturn, NextKeywordStatementDiscardsThePendingValue) {
  ScriptHarness h;
  // Inside a loop a return only ends the pass; the next pass's first keyword statement drops
  // the value, so the last pass decides.
  EXPECT_EQ(h.run("var i; while (i<3) { i=i+1; if (i==1) { return 7 } }"), std::nullopt);
  EXPECT_EQ(h.run("var i; while (i<3) { i=i+1; if (i==3) { return 7 } }"), "7");
  h.counted = 0;
  EXPECT_EQ(h.run("while (Count()<3) { return 8; Out(1) }"), "8");
  EXPECT_TRUE(h.outs.empty());
  EXPECT_TRUE(h.host.boxes.empty());
}

}  // namespace
}  // namespace script
