#include "settings/record_book.h"

#include <span>

#include "gfx/fonts/font_registry.h"
#include "gui/double_label.h"
#include "gui/edit_box.h"
#include "gui/form_script.h"
#include "gui/keyboard.h"
#include "gui/label.h"
#include "gui/record_book_layout.h"
#include "platform/file.h"
#include "script/host.h"

namespace settings {

RecordBook::RecordBook(std::string_view name, gui::Form* parent, gui::AppServices& app)
    : Form(name, parent), app_(app) {
  navFlags = 15;
}

bool RecordBook::Initialise(int px, int py, int w, int h, std::string_view scriptName,
                            std::string_view fontName, std::string_view fontName2,
                            std::string scoresPath) {
  x = static_cast<std::int16_t>(px);
  y = static_cast<std::int16_t>(py);
  width = static_cast<std::uint16_t>(w);
  height = static_cast<std::uint16_t>(h);
  scoresPath_ = std::move(scoresPath);
  if (const auto bytes = platform::readWholeFile(scoresPath_)) {
    table_ = ScoreTable::Decode(std::as_bytes(std::span(bytes->data(), bytes->size())));
  }
  font_ = app_.fonts().Find(fontName);
  font2_ = app_.fonts().Find(fontName2);
  if (!scriptName.empty() && !gui::AttachDriver(*this, scriptName, app_)) {
    app_.scriptHost().ShowMessage("Error setting records form driver", "Error");
    return false;
  }
  if (gui::Control* back = FindControl("Back")) {
    back->onClick = [this](gui::Control&) { app_.SwitchForm("StartForm"); };
  }
  return true;
}

gui::Control* RecordBook::Row(const char* kind, int row) const {
  return FindControl(std::string(kind) + std::to_string(row));
}

void RecordBook::SetLabelText(gui::Control* label, std::string_view text) const {
  if (auto* plain = dynamic_cast<gui::Label*>(label)) {
    plain->SetText(text, plain->colour());
  } else if (auto* twoPart = dynamic_cast<gui::DoubleLabel*>(label)) {
    twoPart->SetText(text);
  }
}

void RecordBook::Reveal(gui::Control* control) const {
  if (control == nullptr) return;
  control->visible = true;
  control->invalid = true;
  control->Refresh();
}

bool RecordBook::SaveScores() const {
  if (scoresPath_.empty()) return false;
  return platform::writeFileAtomically(scoresPath_, table_.Encode()).ok();
}

void RecordBook::ShowTable(int mode) {
  shownMode_ = static_cast<std::int8_t>(mode);
  const auto m = static_cast<std::uint32_t>(shownMode_);
  if (gui::Control* title = FindControl("lTitle")) {
    SetLabelText(title, ModeTitle(m));
    title->x = static_cast<std::int16_t>((width - title->width) >> 1);
  }
  for (int row = 0; row < kRecordsPerMode; ++row) {
    for (const char* kind : {"Name", "Score"}) {
      if (gui::Control* label = Row(kind, row)) label->visible = false;
    }
  }
  const gui::RecordBookLayout* layout = app_.recordLayout();
  const int rightMargin = layout != nullptr ? layout->rightMargin : 0;
  int row = 0;
  for (const ScoreRecord* record : table_.RecordsOf(m)) {
    if (gui::Control* name = Row("Name", row)) {
      SetLabelText(name, record->name);
      Reveal(name);
    }
    if (gui::Control* score = Row("Score", row)) {
      SetLabelText(score, record->scoreText);
      Reveal(score);
      score->x = static_cast<std::int16_t>(width - rightMargin - score->width);
    }
    ++row;
  }
}

int RecordBook::Browse(int mode) {
  if (namingRank_) {
    // Another mode's rows would slide under the edit box: the named record's table stays.
    ShowTable(mode_);
    if (gui::Control* hidden = Row("Name", *namingRank_)) hidden->visible = false;
    return -1;
  }
  // Browsing: no name to enter, so no edit box or keyboard, and the way back.
  if (gui::Control* edit = FindControl("EditBox")) edit->visible = false;
  if (gui::Control* keyboard = FindControl("Keyboard")) keyboard->visible = false;
  Reveal(FindControl("Back"));
  // Only the three games have tables; anything else keeps the one on the screen.
  ShowTable(mode == 1 || mode == 2 || mode == 4 ? mode : shownMode_);
  return static_cast<int>(table_.RecordsOf(static_cast<std::uint32_t>(shownMode_)).size());
}

void RecordBook::NewRecord(int mode, std::int32_t score, std::string_view scoreText) {
  mode_ = static_cast<std::int8_t>(mode);
  const auto m = static_cast<std::uint32_t>(mode_);
  auto* edit = dynamic_cast<gui::EditBox*>(FindControl("EditBox"));
  auto* keyboard = dynamic_cast<gui::Keyboard*>(FindControl("Keyboard"));
  gui::Control* back = FindControl("Back");
  namingRank_ = table_.Insert(m, "Player", score, scoreText);
  // Naming needs both the box and the keyboard; without them the result stays "Player".
  if (namingRank_ && (edit == nullptr || keyboard == nullptr)) {
    KeepBestAndSave();
    namingRank_.reset();
  }
  if (namingRank_) {
    const gui::RecordBookLayout* layout = app_.recordLayout();
    edit->y = static_cast<std::int16_t>(
        layout != nullptr ? RecordRowY(layout->top, layout->pitch, *namingRank_) : 0);
    edit->SetText("");
    Reveal(edit);
    keyboard->Open();
    if (back != nullptr) back->visible = false;
  } else {
    if (edit != nullptr) edit->visible = false;
    if (keyboard != nullptr) keyboard->visible = false;
    Reveal(back);
  }
  ShowTable(mode_);
  if (namingRank_) {
    // The edit box takes the place of the row's name.
    if (gui::Control* hidden = Row("Name", *namingRank_)) hidden->visible = false;
  }
  app_.SwitchForm(name());
  if (keyboard != nullptr && keyboard->visible) {
    keyboard->SetCurrentKey(14);
    app_.AttachKeyPointer(keyboard, 0, true, 8);
  }
  app_.SetKeyPointerShown(true);
}

void RecordBook::KeepBestAndSave() {
  table_.KeepBest(static_cast<std::uint32_t>(mode_));
  SaveScores();
}

void RecordBook::Update() {
  auto* keyboard = dynamic_cast<gui::Keyboard*>(FindControl("Keyboard"));
  if (keyboard == nullptr || !keyboard->visible || !keyboard->entered) return;
  auto* edit = dynamic_cast<gui::EditBox*>(FindControl("EditBox"));
  keyboard->visible = false;
  if (edit != nullptr) edit->visible = false;
  Reveal(FindControl("Back"));
  app_.AttachKeyPointer(this, 0, true, 0);
  app_.SetKeyPointerShown(true);
  const std::string typed = edit != nullptr ? edit->text() : std::string();
  // The label may have gone with a script's DeleteControl: look it up again.
  gui::Control* label = namingRank_ ? Row("Name", *namingRank_) : nullptr;
  if (label != nullptr) SetLabelText(label, typed);
  if (namingRank_) {
    if (ScoreRecord* record = table_.RecordAt(static_cast<std::uint32_t>(mode_), *namingRank_)) {
      record->name = typed.substr(0, kMaxNameLength);
    }
  }
  KeepBestAndSave();
  Reveal(label);
  namingRank_.reset();
  // The script may now offer the other games' tables again.
  CallDriver("NameEntered");
}

void RecordBook::Release() {
  table_ = ScoreTable{};
  Form::Release();
}

}  // namespace settings
