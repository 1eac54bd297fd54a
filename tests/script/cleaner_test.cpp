#include "script/cleaner.h"

#include <gtest/gtest.h>

namespace script {
namespace {

TEST(ScriptCleaning, BlanksSurviveOnlyBetweenWordCharacters) {
  EXPECT_EQ(cleanScriptText("x = 3 + 4").text, "x=3+4");
  EXPECT_EQ(cleanScriptText("var x").text, "var x");
  EXPECT_EQ(cleanScriptText("var  x").text, "varx");  // two blanks join the words
  EXPECT_EQ(cleanScriptText("x=1; y=2").text, "x=1 y=2");
  EXPECT_EQ(cleanScriptText("a ").text, "a");   // a trailing blank goes
  EXPECT_EQ(cleanScriptText(" a").text, " a");  // a leading blank before a word stays
}

TEST(ScriptCleaning, LineEndsAndTabsVanishWithoutSeparating) {
  EXPECT_EQ(cleanScriptText("var\nx").text, "varx");
  EXPECT_EQ(cleanScriptText("var\r\n x").text, "varx");  // the blank follows a line end
  EXPECT_EQ(cleanScriptText("a\tb").text, "ab");
  EXPECT_EQ(cleanScriptText("\"a\tb\"").text, "\"ab\"");  // TABs go inside strings too
}

TEST(ScriptCleaning, CommentsRunToTheLineEndEvenInsideStrings) {
  EXPECT_EQ(cleanScriptText("x=1 // note\ny=2").text, "x=1y=2");
  EXPECT_EQ(cleanScriptText("s=\"http://host\"\nt").text, "s=\"http:t");
  EXPECT_EQ(cleanScriptText("// \"quoted\" comment\nx").text, "x");
}

TEST(ScriptCleaning, StringLiteralsKeepBlanksButNotSemicolons) {
  EXPECT_EQ(cleanScriptText("s=\"a  b\"").text, "s=\"a  b\"");
  EXPECT_EQ(cleanScriptText("s=\"a;b\"").text, "s=\"a b\"");
  EXPECT_EQ(cleanScriptText("s=\"a ; b\"").text, "s=\"a   b\"");
}

TEST(ScriptCleaning, RecordsSourceLinesOfCleanedCharacters) {
  const CleanedText cleaned = cleanScriptText("a\n\nb\r\nc\rd");
  ASSERT_EQ(cleaned.text, "abcd");
  EXPECT_EQ(cleaned.lineAt(0), 1);
  EXPECT_EQ(cleaned.lineAt(1), 3);
  EXPECT_EQ(cleaned.lineAt(2), 4);
  EXPECT_EQ(cleaned.lineAt(3), 5);
}

TEST(ScriptCleaning, NameStretchesKeepCommentMarks) {
  EXPECT_EQ(cleanNameStretch("a//b"), "a//b");
  EXPECT_EQ(cleanNameStretch("my name"), "my name");
  EXPECT_EQ(cleanNameStretch("name "), "name");
}

}  // namespace
}  // namespace script
