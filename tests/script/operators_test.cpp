// The twelve operators: grouping, left-to-right order, number formats and the equality rule.
#include <gtest/gtest.h>

#include <string>

#include "script_harness.h"

namespace script {
namespace {

using testing::ScriptHarness;

struct Case {
  const char* expression;
  const char* value;
  friend void PrintTo(const Case& c, std::ostream* os) { *os << c.expression; }
};

class ScriptExpressionValues : public ::testing::TestWithParam<Case> {};

TEST_P(ScriptExpressionValues, Evaluate) {
  ScriptHarness h;
  EXPECT_EQ(h.eval(GetParam().expression), GetParam().value) << GetParam().expression;
  EXPECT_TRUE(h.host.errors.empty()) << h.host.errors.front().describe();
}

INSTANTIATE_TEST_SUITE_P(Grouping, ScriptExpressionValues,
                         ::testing::Values(Case{"3+4", "7.0"}, Case{"1+2*3", "7.0"},
                                           Case{"2*3+1", "7.0"}, Case{"8/2/2", "2.0"},
                                           Case{"(1+2)*3", "9.0"}, Case{"10-4-3", "3.0"},
                                           Case{"10-2*3-1", "3.0"},  // (10-(2*3))-1
                                           Case{"1+1==2", "1"},      // (1+1)==2
                                           Case{"1==1&&2==2", "0"},  // ((1==1)&&2)==2 is 1==2
                                           Case{"2<3==1", "1"},
                                           Case{"\"a\"$+1+2", "2.0"},  // ("a"$+1)+2
                                           Case{"1+2$+3", "3.03"}, Case{"2*3$+4*5", "6.020.0"}));

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, ScriptExpressionValues,
    ::testing::Values(Case{"10/4", "2.5"}, Case{"1/3", "0.3"}, Case{"(1/3)*3", "0.9"},
                      Case{"0-5", "-5.0"},
                      Case{"2.25+0", "2.2"},  // float 2.25, "%.1f" rounds to even
                      Case{"0.05+0", "0.1"},  // float 0.05 is a bit above
                      Case{"\"7abc\"+1", "8.0"}, Case{"\"abc\"+1", "1.0"},
                      Case{"16777217+0", "167772.0"},         // six characters: 167772
                      Case{"99999*99999", "9999800320.0"}));  // single precision

INSTANTIATE_TEST_SUITE_P(Comparisons, ScriptExpressionValues,
                         ::testing::Values(Case{"1<2", "1"}, Case{"2<1", "0"}, Case{"2<=2", "1"},
                                           Case{"3>=4", "0"}, Case{"3>2", "1"},
                                           Case{"\"abc\"<1", "1"}, Case{"0.1<0.1001", "1"}));

INSTANTIATE_TEST_SUITE_P(Logic, ScriptExpressionValues,
                         ::testing::Values(Case{"0.5&&1", "0"}, Case{"7.9&&1", "1"},
                                           Case{"0||0.9", "0"}, Case{"0||2", "1"},
                                           Case{"\"3x\"&&1", "1"}));

INSTANTIATE_TEST_SUITE_P(Equality, ScriptExpressionValues,
                         ::testing::Values(Case{"5==5.0", "1"}, Case{"5==\"5x\"", "1"},
                                           Case{"\"abc\"==\"abc\"", "1"},
                                           Case{"\"abc\"==\"abd\"", "0"}, Case{"\"abc\"==0", "0"},
                                           Case{"\"\"==\"\"", "1"},
                                           Case{"0.1==0.10000001", "1"},  // same float
                                           Case{"1==\"1.0\"", "1"}, Case{"2==3", "0"},
                                           // -1000000 reads as "not numeric": the texts decide.
                                           Case{"(0-1000000)==(0-1000000)", "1"},
                                           Case{"(0-1000000)==\"-1000000\"", "0"}));

TEST(ScriptOperators, MalformedExpressionsFail) {
  ScriptHarness h;
  struct Bad {
    const char* expression;
    const char* message;
  };
  for (const Bad& bad :
       {Bad{"1 2", "expected an operator before ' 2'"},
        Bad{"1=2", "expected an operator before '=2'"},
        Bad{"1!=2", "expected an operator before '!=2'"}, Bad{"1+", "missing operand"},
        Bad{"()", "empty expression"}, Bad{"-5", "undefined name '-5'"}}) {
    EXPECT_EQ(h.eval(bad.expression), "<failed>");
    ASSERT_EQ(h.host.errors.size(), 1u) << bad.expression;
    EXPECT_EQ(h.host.errors[0].message, bad.message) << bad.expression;
  }
}

TEST(ScriptOperators, BothSidesOfLogicAreAlwaysEvaluated) {
  ScriptHarness h;
  h.counted = 0;
  EXPECT_EQ(h.eval("0&&Count()"), "0");
  EXPECT_EQ(h.eval("1||Count()"), "1");
  EXPECT_EQ(h.counted, 2);
}

TEST(ScriptOperators, FailingOperandStopsBeforeLaterNativesRun) {
  ScriptHarness h;
  h.counted = 0;
  h.run("var x; x=Count()+Nope+Count()");
  EXPECT_EQ(h.counted, 1);
  EXPECT_EQ(h.host.errors.back().message, "undefined name 'Nope'");
  // A missing operator is found before anything is evaluated.
  h.run("var x; x=Count()+Count()Count()");
  EXPECT_EQ(h.counted, 1);
}

TEST(ScriptOperators, DivisionByZeroGivesAnInfiniteOrUndefinedText) {
  ScriptHarness h;
  EXPECT_EQ(h.eval("1/0"), "inf");
  EXPECT_EQ(h.eval("(0-1)/0"), "-inf");
  const std::string undefined = h.eval("0/0");
  EXPECT_NE(undefined.find("nan"), std::string::npos) << undefined;
  EXPECT_TRUE(h.host.errors.empty());
}

}  // namespace
}  // namespace script
