// The records screen: ranking a result, the name entry in its row, the table per mode and
// what reaches scores.dat.
#include "settings/record_book.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "fixtures/game/scene_fixture.h"
#include "fixtures/temp_folder.h"
#include "gui/edit_box.h"
#include "gui/keyboard.h"
#include "gui/label.h"
#include "platform/file.h"

namespace settings {
namespace {

namespace fs = std::filesystem;
using game::testing::FakeApp;

class Records : public testing_support::TempFolderTest {
 protected:
  std::string scoresPath() const { return (dir_ / "scores.dat").string(); }
  // The records screen with the controls its script makes.
  RecordBook& make() {
    app.layout = gui::RecordBookLayout{40, 75, 10, 20};
    book = std::make_unique<RecordBook>("RecordBook", nullptr, app);
    EXPECT_TRUE(book->Initialise(0, 0, 240, 320, "", "hiscores", "fmsmall", scoresPath()));
    new gui::Label("lTitle", book.get());
    edit = new gui::EditBox("EditBox", book.get());
    edit->Init(20, 0, 10, nullptr, "", 100, 12);
    keyboard = new gui::Keyboard("Keyboard", book.get());
    back = new gui::Label("Back", book.get());
    for (int row = 0; row < 5; ++row) {
      new gui::Label("Name" + std::to_string(row), book.get());
      new gui::Label("Score" + std::to_string(row), book.get());
    }
    return *book;
  }
  std::string labelText(const std::string& name) const {
    auto* label = dynamic_cast<gui::Label*>(book->FindControl(name));
    return label != nullptr && label->visible ? label->text() : "(hidden)";
  }
  ScoreTable fileTable() const {
    const auto bytes = platform::readWholeFile(scoresPath());
    if (!bytes) return {};
    return ScoreTable::Decode(std::as_bytes(std::span(bytes->data(), bytes->size())));
  }
  // Types a name and presses Enter.
  void enterName(const std::string& name) {
    for (char c : name)
      edit->OnChar(c);
    keyboard->entered = true;
    book->Update();
  }

  FakeApp app;
  std::unique_ptr<RecordBook> book;
  gui::EditBox* edit = nullptr;
  gui::Keyboard* keyboard = nullptr;
  gui::Control* back = nullptr;
};

TEST_F(Records, TheFirstResultIsNamedInRowZeroAndSaved) {
  RecordBook& b = make();
  b.NewRecord(1, 500, "25.00m");
  EXPECT_TRUE(b.naming());
  EXPECT_EQ(edit->y, 40);
  EXPECT_EQ(labelText("Name0"), "(hidden)");  // the edit box takes its place
  EXPECT_EQ(labelText("Score0"), "25.00m");
  EXPECT_FALSE(fs::exists(scoresPath()));  // nothing is written before the name is in

  enterName("Ann");
  EXPECT_FALSE(b.naming());
  EXPECT_TRUE(back->visible);
  EXPECT_EQ(labelText("Name0"), "Ann");
  EXPECT_EQ(fileTable().records().at(0).name, "Ann");
  b.NewRecord(1, 10, "a");  // an empty name is kept empty, not replaced
  enterName("");
  EXPECT_EQ(fileTable().RecordsOf(1).at(1)->name, "");
  b.ShowTable(4);  // a tab: its title over its own records
  EXPECT_EQ(labelText("lTitle"), "UNLIMITED GAME");
  EXPECT_EQ(labelText("Name0"), "(hidden)");
}

TEST_F(Records, WithoutAKeyboardTheResultIsSavedAsPlayerAtOnce) {
  // A screen whose keyboard could not be made (its layout is missing) cannot take a name:
  // the result must not wait for one, or leaving the screen would lose it.
  RecordBook& b = make();
  b.DeleteControl(keyboard);
  b.NewRecord(1, 500, "25.00m");
  EXPECT_FALSE(b.naming());
  EXPECT_TRUE(back->visible);
  const ScoreTable saved = fileTable();
  ASSERT_EQ(saved.records().size(), 1u);
  EXPECT_EQ(saved.records()[0].name, "Player");
}

TEST_F(Records, ATieGoesBelowTheOlderResultAndTheSixthIsDroppedAfterNaming) {
  ScoreTable old;
  for (int score : {500, 400, 300, 200, 100})
    old.Insert(1, "Old", score, std::to_string(score));
  old.Insert(2, "Relay", 999, "L9");
  ASSERT_TRUE(platform::writeFileAtomically(scoresPath(), old.Encode()));
  RecordBook& b = make();
  b.NewRecord(1, 300, "new");
  EXPECT_EQ(edit->y, 40 + 75 * 3 / 5);  // row 3, after the old 300
  enterName("Bo");
  const ScoreTable saved = fileTable();  // the records point into it
  std::vector<int> classic;
  for (const ScoreRecord* r : saved.RecordsOf(1))
    classic.push_back(r->score);
  EXPECT_EQ(classic, (std::vector<int>{500, 400, 300, 300, 200}));
  EXPECT_EQ(saved.RecordsOf(2).size(), 1u);  // other modes neither count nor are trimmed

  b.NewRecord(1, 200, "late");  // five passed, none lower: no entry
  EXPECT_FALSE(b.naming());
  EXPECT_FALSE(edit->visible);
}

}  // namespace
}  // namespace settings
