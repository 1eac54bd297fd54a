#include "settings/options_form.h"

#include <array>
#include <optional>

#include "gfx/fonts/font_registry.h"
#include "gui/archive_source.h"
#include "gui/form_script.h"
#include "gui/select_box.h"
#include "script/host.h"
#include "script/variable_table.h"
#include "util/c_text.h"

namespace settings {
namespace {

// The song of the game mode the options were opened from.
std::string_view songOf(int mode) {
  switch (mode) {
    case 1:
      return "1.xm";
    case 2:
      return "2.xm";
    case 4:
      return "3.xm";
    default:
      return "4.xm";
  }
}

}  // namespace

OptionsForm::OptionsForm(std::string_view name, gui::Form* parent, gui::AppServices& app,
                         OptionsSound* sound, OptionsHooks hooks)
    : Form(name, parent), app_(app), sound_(sound), hooks_(std::move(hooks)) {
  navFlags = 3;
}

bool OptionsForm::Initialise(int px, int py, int w, int h, std::string_view menuFont,
                             std::string_view smallFont, std::string optionsPath) {
  menuFont_ = app_.fonts().Find(menuFont);
  smallFont_ = app_.fonts().Find(smallFont);
  options_ = LoadOptionsFile(file_, std::move(optionsPath));
  loaded_ = true;
  if (!gui::AttachDriver(*this, "options.scr", app_)) {
    app_.scriptHost().ShowMessage("Error", "Error");
    return false;
  }
  SetUpControls();
  x = static_cast<std::int16_t>(px);
  y = static_cast<std::int16_t>(py);
  width = static_cast<std::uint16_t>(w);
  height = static_cast<std::uint16_t>(h);
  return true;
}

bool OptionsForm::Save() {
  return loaded_ && SaveOptionsFile(options_, file_);
}

void OptionsForm::Release() {
  Save();
  loaded_ = false;
  Form::Release();
}

void OptionsForm::Deactivate() {
  Form::Deactivate();
  Save();
}

void OptionsForm::Changed() {
  if (hooks_.lookChanged) hooks_.lookChanged(options_);
}

void OptionsForm::SetUpControls() {
  gui::ArchiveSource source(app_.archive());
  const auto box = [this](std::string_view name) {
    return dynamic_cast<gui::SelectBox*>(FindControl(name));
  };
  const auto addTexts = [&](gui::SelectBox& b, std::initializer_list<std::string_view> texts) {
    std::uint32_t value = 0;
    for (std::string_view text : texts)
      b.AddItem("", text, value++, source);
  };
  // Every callback reads the box's selected index; the box may be gone by then (a script can
  // delete controls), so each looks its box up by name again.
  const auto onAll = [&](gui::SelectBox& b, std::function<void(int)> react) {
    const std::string name = b.name();
    const auto run = [this, name, react](gui::Control&) {
      if (auto* self = dynamic_cast<gui::SelectBox*>(FindControl(name))) react(self->selected);
    };
    b.onClick = run;
    b.onDown = [run](gui::Control& c, int, int) { run(c); };
    b.onUp = [run](gui::Control& c, int, int) { run(c); };
    b.onMove = [run](gui::Control& c, int, int) { run(c); };
  };

  if (gui::SelectBox* b = box("rgTypeConnection")) {
    addTexts(*b, {"Standard", "One line", "Two line"});
    b->SetSelected(options_.connectType);
    onAll(*b, [this](int i) {
      options_.connectType = static_cast<std::uint16_t>(i);
      if (hooks_.applyConnectType) hooks_.applyConnectType(i);
      Changed();
    });
    // A tap that completes a click only records the choice; the press, release and drag
    // handlers also resize the scenes' blobs.
    const std::string name = b->name();
    b->onClick = [this, name](gui::Control&) {
      if (auto* self = dynamic_cast<gui::SelectBox*>(FindControl(name))) {
        options_.connectType = static_cast<std::uint16_t>(self->selected);
        Changed();
      }
    };
  }
  if (gui::SelectBox* b = box("rgBackground")) {
    addTexts(*b, {"Gradient", "Flooding"});
    b->SetSelected(options_.backgroundType);
    onAll(*b, [this](int i) {
      options_.backgroundType = static_cast<std::uint16_t>(i);
      Changed();
    });
  }
  if (gui::SelectBox* b = box("rgMulticolor")) {
    static constexpr std::array<std::uint32_t, 6> kValues = {13775, 24281, 61861, 63671, 63425, 0};
    for (int i = 0; i < 6; ++i) {
      b->AddItem(std::to_string(i + 1) + ".espr", std::nullopt, kValues[i], source);
    }
    b->SetSelected(options_.colorSpectrum);
    onAll(*b, [this](int i) {
      options_.colorSpectrum = static_cast<std::uint16_t>(i);
      options_.multicolorOn = i == 5 ? 1 : 0;
      Changed();
    });
  }
  if (gui::SelectBox* b = box("cbClouds")) {
    addTexts(*b, {"Off", "On"});
    b->SetSelected(options_.cloudsOn);
    // Like the sky: a key steps the box on its press, so the press must take the choice too.
    onAll(*b, [this](int i) {
      options_.cloudsOn = static_cast<std::uint16_t>(i);
      Changed();
    });
  }
  for (const bool music : {false, true}) {
    gui::SelectBox* b = box(music ? "dsMusic" : "dsSound");
    if (b == nullptr) continue;
    b->AddItem("", "Off", 0, source);
    for (int i = 1; i <= 5; ++i) {
      b->AddItem("bopvol" + std::to_string(i) + ".espr", std::nullopt,
                 static_cast<std::uint32_t>(i), source);
    }
    b->SetSelected((music ? options_.musicVolume : options_.soundVolume) / 20);
    onAll(*b, [this, music](int i) {
      if (music) {
        MusicVolumeChanged(i);
      } else {
        SoundVolumeChanged(i);
      }
    });
    b->onClick = nullptr;  // the volumes follow press, release and drag only
  }
  // The key pointer rests on a control's focus point between a key's press and release; a
  // select box made by a script has none, so it rests at its centre, where the release reaches
  // the box as the press did.
  for (const char* name :
       {"rgTypeConnection", "rgBackground", "rgMulticolor", "cbClouds", "dsSound", "dsMusic"}) {
    if (gui::SelectBox* b = box(name)) {
      b->focusX = static_cast<std::int16_t>(b->x + b->width / 2);
      b->focusY = static_cast<std::int16_t>(b->y + b->height / 2);
    }
  }
  if (gui::Control* menu = FindControl("tbMenu")) {
    menu->onClick = [this](gui::Control&) { Back(); };
  }
}

void OptionsForm::MusicVolumeChanged(int index) {
  const int volume = 20 * index;
  if (volume == options_.musicVolume) return;
  options_.musicVolume = static_cast<std::uint16_t>(volume);
  if (sound_ == nullptr) return;
  if (index != 0 && options_.musicOn == 0) {
    sound_->SetMusicOn(true, false);
    sound_->LoadSongData(songOf(hooks_.gameMode ? hooks_.gameMode() : 0));
    sound_->SetMusicVolume(volume);
    sound_->StartSong();
    options_.musicOn = 1;
  } else if (index != 0) {
    sound_->SetMusicVolume(volume);
  } else if (options_.musicOn == 1) {
    sound_->SetMusicOn(false, true);
    sound_->SetMusicVolume(0);
    options_.musicOn = 0;
  }
}

void OptionsForm::SoundVolumeChanged(int index) {
  const int volume = 20 * index;
  if (volume == options_.soundVolume) return;
  options_.soundVolume = static_cast<std::uint16_t>(volume);
  if (index != 0) {
    if (options_.soundOn == 0) {
      options_.soundOn = 1;
      if (sound_ != nullptr) sound_->SetEffectsOn(true);
    }
    if (sound_ != nullptr) sound_->SetSoundVolume(volume);
  } else if (options_.soundOn == 1) {
    options_.soundOn = 0;
    if (sound_ != nullptr) sound_->SetSoundVolume(0);
  }
}

void OptionsForm::Back() {
  const int call = util::parseInt(app_.variables().GetVariable("WhichOptionsCall").value_or(""));
  app_.SwitchForm(call == 0 ? "StartForm" : "GameForm");
}

}  // namespace settings
