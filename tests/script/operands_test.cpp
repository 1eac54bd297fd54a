// Names and literals as whole runs: the longest name, case, where a name ends, which of a
// native, a function and a variable of one name wins; unfinished literals.
#include <gtest/gtest.h>

#include <string>

#include "script_harness.h"

namespace script {
namespace {

using testing::RunCase;
using testing::ScriptRuns;

const std::string kName31 = "v" + std::string(30, 'a');
const std::string kName32 = "v" + std::string(31, 'a');

INSTANTIATE_TEST_SUITE_P(
    Names, ScriptRuns,
    ::testing::Values(
        RunCase{"var " + kName31 + "; " + kName31 + "=4; Out(" + kName31 + ")", {"4"}},
        RunCase{"var " + kName32 + "; Out(1)", {}, "name longer than 31 characters"},
        RunCase{"Out(" + kName32 + ")", {}, "name longer than 31 characters"},
        RunCase{"var x; x=1; Out(X)", {}, "undefined name 'X'"},
        RunCase{"out(1)", {}, "undefined name 'out'"},
        RunCase{"If (1) { Out(1) }", {}, "undefined name 'If'"},
        // A handler name holds "_", so a script can't call it: the name read is only "ok".
        RunCase{
            "function ok_Click(){ Out(1) } function T(){ ok_Click() }", {}, "undefined name 'ok'"},
        // Natives hide script functions and variables of their name; as a statement a local
        // of a native's name is assigned, in an operand the native wins.
        RunCase{"function Echo(a){ return 99 } function T(){ var Count; Out(Echo(4)) }", {"4"}},
        RunCase{"var Count; Count=5; Out(Count())", {"1"}},
        // Script functions hide variables of their name.
        RunCase{"function F(){ return 3 } function T(){ var F; F=8; Out(F()) }", {"3"}}));

INSTANTIATE_TEST_SUITE_P(
    Literals, ScriptRuns,
    ::testing::Values(RunCase{"var s; s=\"abc", {}, "unterminated string literal"},
                      RunCase{"var x; x=(1+2", {}, "unmatched '('"}));

}  // namespace
}  // namespace script
