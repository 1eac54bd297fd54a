// Operands: numeric and string literals, parenthesised expressions and names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script_harness.h"

namespace script {
namespace {

using testing::ScriptHarness;
using Values = std::vector<std::string>;

TEST(ScriptNumericLiterals, KeepTheirTextAsWritten) {
  ScriptHarness h;
  EXPECT_EQ(h.eval("5"), "5");
  EXPECT_EQ(h.eval("12.50"), "12.50");
  EXPECT_EQ(h.eval(".5"), ".5");
  EXPECT_EQ(h.eval(".5+0"), "0.5");  // and read as 0.5
  EXPECT_EQ(h.eval("0"), "0");
}

TEST(ScriptNumericLiterals, OnlyTheFirstSixCharactersCount) {
  ScriptHarness h;
  EXPECT_EQ(h.eval("1234567"), "123456");
  EXPECT_EQ(h.eval("3.14159"), "3.1415");
  EXPECT_EQ(h.eval("1234567+1"), "123457.0");  // the whole run is consumed
}

TEST(ScriptNumericLiterals, ZeroMustBeWrittenAsASingleDigit) {
  ScriptHarness h;
  for (const char* bad : {"0.0", "00", ".", "0.", "000000001"}) {
    EXPECT_EQ(h.eval(bad), "<failed>") << bad;
    ASSERT_EQ(h.host.errors.size(), 1u) << bad;
    EXPECT_EQ(h.host.errors[0].message, "malformed number '" + std::string(bad) + "'");
  }
  EXPECT_EQ(h.eval("0+0"), "0.0");
}

TEST(ScriptStringLiterals, RunToTheNextQuoteWithoutEscapes) {
  ScriptHarness h;
  EXPECT_EQ(h.eval("\"abc\""), "abc");
  EXPECT_EQ(h.eval("\"\""), "");
  EXPECT_EQ(h.eval("\"a\\\"$+\"b\""), "a\\b");  // a backslash is an ordinary character
  EXPECT_EQ(h.eval("\"x,y)\""), "x,y)");        // commas and ")" inside do not end the argument
}

TEST(ScriptStringLiterals, CleaningChangesWhatTheyHold) {
  ScriptHarness h;
  h.run("Out(\"a;b\") Out(\"a\tb\")");
  EXPECT_EQ(h.outFirsts(), (Values{"a b", "ab"}));
  // "//" inside a literal starts a comment that swallows the rest of the line.
  h.run("Out(\"http://host\")\nOut(2)");
  EXPECT_TRUE(h.outs.empty());
  EXPECT_EQ(h.host.boxes.size(), 1u);
}

TEST(ScriptStringLiterals, UnterminatedLiteralFails) {
  ScriptHarness h;
  h.run("var s; s=\"abc");
  EXPECT_EQ(h.host.errors.back().message, "unterminated string literal");
}

TEST(ScriptParentheses, GroupAndMustBeMatched) {
  ScriptHarness h;
  EXPECT_EQ(h.eval("((2))"), "2");
  EXPECT_EQ(h.eval("(1+2)*3"), "9.0");
  EXPECT_EQ(h.eval("2*(3+(4-1))"), "12.0");
  h.run("var x; x=(1+2");
  EXPECT_EQ(h.host.errors.back().message, "unmatched '('");
}

TEST(ScriptNames, ThirtyOneCharactersAreTheLongestName) {
  ScriptHarness h;
  const std::string name31 = "v" + std::string(30, 'a');
  const std::string name32 = "v" + std::string(31, 'a');
  h.run("var " + name31 + "; " + name31 + "=4; Out(" + name31 + ")");
  EXPECT_EQ(h.outFirsts(), Values{"4"});
  EXPECT_TRUE(h.host.boxes.empty());
  h.run("var " + name32 + "; Out(1)");
  EXPECT_TRUE(h.outs.empty());
  EXPECT_EQ(h.host.boxes.size(), 1u);
  EXPECT_EQ(h.host.errors.back().message, "name longer than 31 characters");
  h.run("Out(" + name32 + ")");
  EXPECT_EQ(h.host.errors.back().message, "name longer than 31 characters");
}

TEST(ScriptNames, AreCaseSensitive) {
  ScriptHarness h;
  h.run("var x; x=1; Out(X)");
  EXPECT_EQ(h.host.errors.back().message, "undefined name 'X'");
  h.run("out(1)");
  EXPECT_EQ(h.host.errors.back().message, "undefined name 'out'");
  h.run("If (1) { Out(1) }");
  EXPECT_EQ(h.host.errors.back().message, "undefined name 'If'");
}

TEST(ScriptNames, EndAtTheFirstCharacterThatIsNoLetterOrDigit) {
  ScriptHarness h;
  // A handler name holds "_", so a script can't call it: the name read is only "ok".
  ASSERT_TRUE(h.load("function ok_Click(){ Out(1) } function T(){ ok_Click() }"));
  h.engine().CallFunction("T");
  EXPECT_TRUE(h.outs.empty());
  EXPECT_EQ(h.host.errors.back().message, "undefined name 'ok'");
}

TEST(ScriptNames, NativesHideScriptFunctionsAndVariablesOfTheSameName) {
  ScriptHarness h;
  ASSERT_TRUE(h.load("function Echo(a){ return 99 } function T(){ var Count; Out(Echo(4)) }"));
  h.counted = 0;
  h.engine().CallFunction("T");
  EXPECT_EQ(h.outFirsts(), Values{"4"});
  // As a statement a local of a native's name is assigned, in an operand the native wins.
  h.run("var Count; Count=5; Out(Count())");
  EXPECT_EQ(h.outFirsts(), Values{"1"});
}

TEST(ScriptNames, ScriptFunctionsHideVariablesOfTheSameName) {
  ScriptHarness h;
  ASSERT_TRUE(h.load("function F(){ return 3 } function T(){ var F; F=8; Out(F()) }"));
  h.engine().CallFunction("T");
  EXPECT_EQ(h.outFirsts(), Values{"3"});
}

}  // namespace
}  // namespace script
