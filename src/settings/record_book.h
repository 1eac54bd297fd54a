// RecordBook: the records screen. It keeps the five best results of each game mode in
// scores.dat, shows one mode's table in its ten row labels, and when a new result ranks, puts
// the edit box and the on-screen keyboard in the result's row so the player can type a name;
// the table is saved once the name is entered. Its controls come from its script
// (recordbook.scr): "lTitle", "EditBox", "Keyboard", "Back", "Name0".."Name4", "Score0".."Score4".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "gui/app_services.h"
#include "gui/form.h"
#include "settings/score_table.h"

namespace gfx {
class Font;
}
namespace gui {
class EditBox;
class Keyboard;
}  // namespace gui

namespace settings {

class RecordBook final : public gui::Form {
 public:
  RecordBook(std::string_view name, gui::Form* parent, gui::AppServices& app);

  /// Reads the table from scoresPath, looks up the two fonts, attaches the script and finds
  /// its controls. A script that does not load shows "Error setting records form driver" and
  /// fails.
  bool Initialise(int x, int y, int width, int height, std::string_view scriptName,
                  std::string_view fontName, std::string_view fontName2, std::string scoresPath);

  /// A finished game's result: ranks it, opens the name entry when it entered the table, shows
  /// the mode's table and makes the records screen current.
  void NewRecord(int mode, std::int32_t score, std::string_view scoreText);
  /// Fills the title and the rows with the table of one mode.
  void ShowTable(int mode);
  /// The table as the menu opens it: mode 1, 2 or 4; any other number shows the mode shown
  /// last (classic before any). Gives the number of records shown, or -1 while a name is being
  /// entered, when the named record's mode stays on the screen.
  int Browse(int mode);

  /// Finishes a naming once the keyboard's Enter was pressed: the name goes into the record,
  /// the mode keeps its best five and scores.dat is written. Children and script get no
  /// Update from here.
  void Update() override;
  void Release() override;
  /// While a new record is being named, Escape does nothing: the name is asked for once.
  bool Escape() override { return naming(); }

  const ScoreTable& table() const { return table_; }
  const gfx::Font* font() const { return font_; }
  const gfx::Font* font2() const { return font2_; }
  bool naming() const { return namingRank_.has_value(); }

 private:
  gui::Control* Row(const char* kind, int row) const;
  void SetLabelText(gui::Control* label, std::string_view text) const;
  void Reveal(gui::Control* control) const;
  bool SaveScores() const;
  void KeepBestAndSave();

  gui::AppServices& app_;
  ScoreTable table_;
  std::string scoresPath_;
  const gfx::Font* font_ = nullptr;
  const gfx::Font* font2_ = nullptr;
  std::int8_t mode_ = 0;
  std::int8_t shownMode_ = 1;           // the mode whose table is on the screen
  std::optional<int> namingRank_;       // the row of the record being named
};

}  // namespace settings
