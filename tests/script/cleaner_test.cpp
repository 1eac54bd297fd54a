#include "script/cleaner.h"

#include <gtest/gtest.h>

namespace script {
namespace {

TEST(ScriptCleaning, KeepsBlanksOnlyBetweenWordsDropsLineEndsTabsAndComments) {
  const std::pair<const char*, const char*> cases[] = {
      {"x = 3 + 4", "x=3+4"},
      {"var x", "var x"},
      {"var  x", "varx"},  // two blanks join the words
      {"x=1; y=2", "x=1 y=2"},
      {"a ", "a"},   // a trailing blank goes
      {" a", " a"},  // a leading blank before a word stays
      {"var\nx", "varx"},
      {"var\r\n x", "varx"},  // the blank follows a line end
      {"a\tb", "ab"},
      {"\"a\tb\"", "\"ab\""},  // TABs go inside strings too
      {"x=1 // note\ny=2", "x=1y=2"},
      {"s=\"http://host\"\nt", "s=\"http:t"},  // comments start inside strings too
      {"// \"quoted\" comment\nx", "x"},
      {"s=\"a  b\"", "s=\"a  b\""},
      {"s=\"a;b\"", "s=\"a b\""},
      {"s=\"a ; b\"", "s=\"a   b\""}};
  for (const auto& [text, cleaned] : cases)
    EXPECT_EQ(cleanScriptText(text).text, cleaned) << text;
}

TEST(ScriptCleaning, RecordsSourceLinesOfCleanedCharacters) {
  const CleanedText cleaned = cleanScriptText("a\n\nb\r\nc\rd");
  ASSERT_EQ(cleaned.text, "abcd");
  for (const auto& [at, line] : {std::pair{0, 1}, {1, 3}, {2, 4}, {3, 5}})
    EXPECT_EQ(cleaned.lineAt(at), line) << at;
}

TEST(ScriptCleaning, NameStretchesKeepCommentMarks) {
  EXPECT_EQ(cleanNameStretch("a//b"), "a//b");
  EXPECT_EQ(cleanNameStretch("my name"), "my name");
  EXPECT_EQ(cleanNameStretch("name "), "name");
}

}  // namespace
}  // namespace script
