// Blocks and keyword statements as whole runs: assignments, var/global, if/else, while and
// return with its pending value. The table's test lives here; other files add their own tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script_harness.h"

namespace script {
namespace {

using testing::RunCase;
using testing::ScriptHarness;
using testing::ScriptRuns;

}  // namespace

namespace testing {

TEST_P(ScriptRuns, GiveTheirOutputsAndFailure) {
  const RunCase& c = GetParam();
  ScriptHarness h;
  ASSERT_TRUE(
      h.load(c.script.starts_with("function") ? c.script : "function T(){" + c.script + "}"));
  h.engine().CallFunction("T");
  EXPECT_EQ(h.outTexts(), c.outs);
  for (const auto& out : h.outs)
    EXPECT_EQ(out.back(), "test.scr") << "a native's last argument is the calling script";
  if (c.error.empty()) {
    EXPECT_TRUE(h.host.errors.empty()) << h.host.errors.front().describe();
    EXPECT_TRUE(h.host.boxes.empty());
  } else {
    ASSERT_EQ(h.host.errors.size(), 1u);
    EXPECT_EQ(h.host.errors[0].message, c.error);
    EXPECT_EQ(h.host.boxes, std::vector<std::string>{"Error: Error executing script"});
  }
}

}  // namespace testing

namespace {

INSTANTIATE_TEST_SUITE_P(
    Assignment, ScriptRuns,
    ::testing::Values(
        RunCase{"var x; x=7; Out(x); x=3+4; Out(x); global g; g=x$+\"!\"; Out(g)",
                {"7", "7.0", "7.0!"}},
        // The blank inside the string belongs to the value; the one from ";" ends the statement.
        RunCase{"var s; s=\"a b\"$+\"c\"; Out(s)", {"a bc"}},
        // An undeclared name is a call: the failure stops the run, earlier effects stay.
        RunCase{"Out(1); y=2; Out(3)", {"1"}, "undefined name 'y'"},
        RunCase{"var x; x=4; x; Out(x)", {"4"}},  // a bare name does nothing
        RunCase{"function F(){ var v; v=2; Out(v) } function G(){ Out(v) }"
                "function T(){ global v; v=1; F() G() }",
                {"2", "1"}}));

INSTANTIATE_TEST_SUITE_P(
    Declarations, ScriptRuns,
    ::testing::Values(
        RunCase{"var x; Out(x); var x; Out(9)", {"0"}, "var 'x' is declared already"},
        RunCase{"function F(a){ var a; Out(1) } function T(){ F(5) }",
                {},
                "var 'a' is declared already"},
        // A failing pass only ends the loop: the statement after the loop still runs.
        RunCase{"var i; while (i<3) { i=i+1; var t; Out(i) } Out(\"after\")", {"1.0", "after"}},
        // global runs once per loaded script; the failing callee leaves the value alone.
        RunCase{"function I(){ global g; g=5 } function T(){ I() Out(g) I() Out(g) }",
                {"5", "5"},
                "global 'g' is declared already"},
        RunCase{"function I(){ global g; g=1; Out(1); Nope(); g=2 } function T(){ I() Out(g) }",
                {"1", "1"},
                "undefined name 'Nope'"}));

INSTANTIATE_TEST_SUITE_P(
    If, ScriptRuns,
    ::testing::Values(
        RunCase{"if (1) { Out(1) } if (0) { Out(2) } if (0) { Out(3) } else { Out(4) }"
                " if (1) { Out(5) } else { Out(6) }",
                {"1", "4", "5"}},
        RunCase{"if (0.5) Out(1); if (\"abc\") Out(2); if (\"3x\") Out(3); if (0-1) Out(4)",
                {"1", "3", "4"}},
        RunCase{"var x; if (0) x=1 else x=2 Out(x) if (1) Out(\"a b\") Out(3)", {"2", "a b", "3"}},
        RunCase{"if (0) { Out(1) } Out(2) if (0) { Out(3) } elsewhere",
                {"2"},
                "undefined name 'elsewhere'"},
        RunCase{"Out(1) else { Out(2) }", {"1"}, "undefined name 'else'"},
        RunCase{"if (1) { Nope() } Out(1)", {}, "undefined name 'Nope'"},
        RunCase{"if (Nope) { Out(1) } Out(2)", {}, "undefined name 'Nope'"}));

INSTANTIATE_TEST_SUITE_P(
    While, ScriptRuns,
    ::testing::Values(
        RunCase{"var i; while (i<3) { i=i+1; Out(i) } Out(\"done\")",
                {"1.0", "2.0", "3.0", "done"}},
        RunCase{"while (0) { Out(1) } Out(2)", {"2"}},
        // The third pass fails at Nope(): it ends the loop quietly and the run goes on.
        RunCase{
            "var i; while (i<10) { i=i+1; Out(i); if (i==3) Nope(); Out(\"pass\") } Out(\"end\")",
            {"1.0", "pass", "2.0", "pass", "3.0", "end"}},
        RunCase{"var i; while (i<2) { i=i+1; Nope() } Other()", {}, "undefined name 'Other'"},
        RunCase{"while (Nope) { Out(1) } Out(2)", {}, "undefined name 'Nope'"}));

INSTANTIATE_TEST_SUITE_P(
    Return, ScriptRuns,
    ::testing::Values(
        // One operand, not an expression.
        RunCase{"function A(){ var a; a=2; return a+3 } function B(){ var a; a=2; return (a+3) }"
                "function T(){ Out(A()) Out(B()) }",
                {"2", "5.0"}},
        RunCase{
            "function F(){ Out(1) if (1) { return 5; Out(2) } Out(3) } function T(){ Out(F()) }",
            {"1", "5"}},
        // Inside a loop a return only ends the pass; the next pass's first keyword statement
        // drops the value, so the last pass decides.
        RunCase{"function F(){ var i; while (i<3) { i=i+1; if (i==1) { return 7 } } }"
                "function G(){ var i; while (i<3) { i=i+1; if (i==3) { return 7 } } }"
                "function H(){ while (Count()<3) { return 8; Out(1) } }"
                "function T(){ Out(F()) Out(G()) Out(H()) }",
                {"0", "7", "8"}}));

}  // namespace
}  // namespace script
