// Loading: cutting a script into functions, and the reasons a load fails.
#include <gtest/gtest.h>

#include <string>

#include "script_harness.h"

namespace script {
namespace {

using testing::ScriptHarness;

TEST(ScriptLoading, CutsFunctionsInSourceOrder) {
  ScriptHarness h;
  ASSERT_TRUE(
      h.load("junk before\nfunction Init(h)\n{ x=1 }\n"
             "// function Hidden()\nfunction ok_Click ( a , b ) { if(1){y} }"));
  const auto& functions = h.engine().functions();
  ASSERT_EQ(functions.size(), 2u);
  EXPECT_EQ(functions[0].name, "Init");
  EXPECT_EQ(functions[0].parameters, std::vector<std::string>{"h"});
  EXPECT_EQ(functions[0].body, "x=1");  // blanks beside braces are cleaned away
  EXPECT_EQ(functions[1].name, "ok_Click");
  EXPECT_EQ(functions[1].parameters, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(functions[1].body, "if(1){y}");
}

TEST(ScriptLoading, AcceptsEmptyPiecesAndTheLongestNames) {
  ScriptHarness h;
  EXPECT_TRUE(h.load(""));
  EXPECT_TRUE(h.load("nothing here"));
  ASSERT_TRUE(h.load("function F(){}function G(,a,,){}"));
  EXPECT_TRUE(h.engine().functions()[0].parameters.empty());
  EXPECT_EQ(h.engine().functions()[1].parameters, std::vector<std::string>{"a"});
  EXPECT_TRUE(h.load("function " + std::string(30, 'a') + "(){}"));
  EXPECT_TRUE(h.load("function a_[]^`\\9(){}"));  // digits and codes 65 to 122
  EXPECT_TRUE(h.load("function F(" + std::string(1024, 'p') + "){}"));
  std::string many;
  for (int i = 0; i < 2000; ++i)
    many += "function F" + std::to_string(i) + "(a){return (a)}\n";
  EXPECT_TRUE(h.load(many));
  EXPECT_EQ(h.engine().functions().size(), 2000u);
  ASSERT_TRUE(h.engine().LoadScript(std::string(600, 'n'), "").ok());
  EXPECT_EQ(h.engine().scriptName().size(), 499u);
}

struct LoadFailure {
  std::string text;
  std::string message;
  int line;
  friend void PrintTo(const LoadFailure& c, std::ostream* os) { *os << c.text.substr(0, 60); }
};

class ScriptLoadFailures : public ::testing::TestWithParam<LoadFailure> {};

TEST_P(ScriptLoadFailures, FailWithReasonAndLine) {
  ScriptHarness h;
  const util::Status status = h.engine().LoadScript("bad.scr", GetParam().text);
  ASSERT_FALSE(status.ok());
  ASSERT_TRUE(h.engine().lastError().has_value());
  const ScriptError& error = *h.engine().lastError();
  EXPECT_EQ(error.message, GetParam().message);
  EXPECT_EQ(error.line, GetParam().line);
  EXPECT_EQ(error.script, "bad.scr");
  EXPECT_TRUE(error.function.empty());
  ASSERT_EQ(h.host.errors.size(), 1u);  // reported once
  EXPECT_TRUE(h.host.boxes.empty());    // but no message box at load time
  EXPECT_NE(status.error().message.find(GetParam().message), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScriptLoadFailures,
    ::testing::Values(
        LoadFailure{"function", "function without a parameter list", 1},
        LoadFailure{"function F", "function without a parameter list", 1},
        LoadFailure{"\nfunction F(a", "malformed parameter list of function 'F'", 2},
        LoadFailure{"function F()\n\nx{}", "missing '{' after the parameters of function 'F'", 3},
        LoadFailure{"function F()", "missing '{' after the parameters of function 'F'", 1},
        LoadFailure{"function F(){}\nfunction G(){ { }", "missing '}' closing function 'G'", 2},
        LoadFailure{"function F(){ x=\"{\" }", "missing '}' closing function 'F'", 1},
        LoadFailure{"function " + std::string(31, 'a') + "(){}",
                    "function name longer than 30 characters", 1},
        LoadFailure{"function a-b(){}", "invalid character in function name 'a-b'", 1},
        // The blank between words survives.
        LoadFailure{"function my name(){}", "invalid character in function name 'my name'", 1},
        LoadFailure{"function F(" + std::string(1025, 'p') + "){}",
                    "malformed parameter list of function 'F'", 1}));

TEST(ScriptLoading, KeepsFunctionsCutBeforeAFailure) {
  ScriptHarness h;
  EXPECT_FALSE(h.load("function A(){} function B("));
  ASSERT_EQ(h.engine().functions().size(), 1u);
  EXPECT_EQ(h.engine().functions()[0].name, "A");
}

}  // namespace
}  // namespace script
