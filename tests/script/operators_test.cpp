// Expressions: the twelve operators' grouping and left-to-right order, number formats, the
// equality rule, literals and parentheses, and the reasons malformed expressions fail.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script_harness.h"

namespace script {
namespace {

using testing::RunCase;
using Values = std::vector<std::string>;
using testing::ScriptRuns;

// Out(EXPRESSION) gives VALUE, or fails with ERROR.
RunCase E(const std::string& expression, const char* value, const char* error = "") {
  return {"Out(" + expression + ")", *error ? Values{} : Values{value}, error};
}

INSTANTIATE_TEST_SUITE_P(Grouping, ScriptRuns,
                         ::testing::Values(E("3+4", "7.0"), E("1+2*3", "7.0"), E("2*3+1", "7.0"),
                                           E("8/2/2", "2.0"), E("(1+2)*3", "9.0"),
                                           E("10-4-3", "3.0"),
                                           E("10-2*3-1", "3.0"),  // (10-(2*3))-1
                                           E("1+1==2", "1"),      // (1+1)==2
                                           E("1==1&&2==2", "0"),  // ((1==1)&&2)==2 is 1==2
                                           E("2<3==1", "1"), E("\"a\"$+1+2", "2.0"),  // ("a"$+1)+2
                                           E("1+2$+3", "3.03"), E("2*3$+4*5", "6.020.0"),
                                           E("((2))", "2"), E("2*(3+(4-1))", "12.0")));

INSTANTIATE_TEST_SUITE_P(Arithmetic, ScriptRuns,
                         ::testing::Values(E("10/4", "2.5"), E("1/3", "0.3"), E("(1/3)*3", "0.9"),
                                           E("0-5", "-5.0"),
                                           E("2.25+0", "2.2"),  // float 2.25, "%.1f" rounds to even
                                           E("0.05+0", "0.1"),  // float 0.05 is a bit above
                                           E("\"7abc\"+1", "8.0"), E("\"abc\"+1", "1.0"),
                                           E("16777217+0", "167772.0"),  // six characters: 167772
                                           E("99999*99999", "9999800320.0"),  // single precision
                                           E("1/0", "inf"), E("(0-1)/0", "-inf")));

INSTANTIATE_TEST_SUITE_P(Comparisons, ScriptRuns,
                         ::testing::Values(E("1<2", "1"), E("2<1", "0"), E("2<=2", "1"),
                                           E("3>=4", "0"), E("3>2", "1"), E("\"abc\"<1", "1"),
                                           E("0.1<0.1001", "1")));

INSTANTIATE_TEST_SUITE_P(Logic, ScriptRuns,
                         ::testing::Values(E("0.5&&1", "0"), E("7.9&&1", "1"), E("0||0.9", "0"),
                                           E("0||2", "1"), E("\"3x\"&&1", "1")));

INSTANTIATE_TEST_SUITE_P(Equality, ScriptRuns,
                         ::testing::Values(E("5==5.0", "1"), E("5==\"5x\"", "1"),
                                           E("\"abc\"==\"abc\"", "1"), E("\"abc\"==\"abd\"", "0"),
                                           E("\"abc\"==0", "0"), E("\"\"==\"\"", "1"),
                                           E("0.1==0.10000001", "1"),  // same float
                                           E("1==\"1.0\"", "1"), E("2==3", "0"),
                                           // -1000000 reads as "not numeric": the texts decide.
                                           E("(0-1000000)==(0-1000000)", "1"),
                                           E("(0-1000000)==\"-1000000\"", "0")));

// Literals keep their text as written, up to six characters of a number.
INSTANTIATE_TEST_SUITE_P(
    Literals, ScriptRuns,
    ::testing::Values(E("5", "5"), E("12.50", "12.50"), E(".5", ".5"), E(".5+0", "0.5"),
                      E("0", "0"), E("0+0", "0.0"), E("1234567", "123456"), E("3.14159", "3.1415"),
                      E("1234567+1", "123457.0"),  // the whole run is consumed
                      E("\"abc\"", "abc"), E("\"\"", ""),
                      E("\"a\\\"$+\"b\"", "a\\b"),  // a backslash is an ordinary character
                      E("\"x,y)\"", "x,y)")));      // commas and ")" inside end no argument

INSTANTIATE_TEST_SUITE_P(
    Malformed, ScriptRuns,
    ::testing::Values(E("1 2", "<failed>", "expected an operator before ' 2'"),
                      E("1=2", "<failed>", "expected an operator before '=2'"),
                      E("1!=2", "<failed>", "expected an operator before '!=2'"),
                      E("1+", "<failed>", "missing operand"),
                      E("()", "<failed>", "empty expression"),
                      E("-5", "<failed>", "undefined name '-5'"),
                      // Zero must be written as a single digit.
                      E("0.0", "<failed>", "malformed number '0.0'"),
                      E("00", "<failed>", "malformed number '00'"),
                      E(".", "<failed>", "malformed number '.'"),
                      E("0.", "<failed>", "malformed number '0.'"),
                      E("000000001", "<failed>", "malformed number '000000001'")));

// Both sides of && and || are evaluated; a failing operand stops before later natives run, and
// a missing operator is found before anything is evaluated.
INSTANTIATE_TEST_SUITE_P(Evaluation, ScriptRuns,
                         ::testing::Values(RunCase{"Out(0&&Count()) Out(1||Count()) Out(Count())",
                                                   {"0", "1", "3"}},
                                           RunCase{"function F(){ var x; x=Count()+Nope+Count() }"
                                                   "function T(){ F() Out(Count()) }",
                                                   {"2"},
                                                   "undefined name 'Nope'"},
                                           RunCase{"function F(){ var x; x=Count()+Count()Count() }"
                                                   "function T(){ F() Out(Count()) }",
                                                   {"1"},
                                                   "expected an operator before 'Count()'"}));

}  // namespace
}  // namespace script
