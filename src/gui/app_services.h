// AppServices: what the layers above the platform may ask of the running program. The
// Application implements it; controls, the native tables, the game scene and the options
// screen receive it by reference instead of reaching for globals. Each service is added here
// when a caller needs it; keep it small.
#pragma once

#include <cstdint>
#include <string_view>

namespace gfx {
class FontRegistry;
}
namespace resources {
class ResourceArchive;
}
namespace script {
class Host;
class NativeRegistry;
class VariableTable;
}  // namespace script
namespace sound {
class SoundSystem;
}

namespace gui {

class Form;
struct RecordBookLayout;

class AppServices {
 public:
  virtual ~AppServices() = default;

  /// The root form's child screen of that name, or null.
  virtual Form* FindForm(std::string_view name) const = 0;
  /// Makes the named screen current (its "OnShow" runs); an unknown name changes nothing.
  virtual void SwitchForm(std::string_view name) = 0;

  /// The opened graphics.dat; entries are borrowed from its cache.
  virtual resources::ResourceArchive& archive() = 0;
  /// The application variables (GetGlobalVar / SetGlobalVar).
  virtual script::VariableTable& variables() = 0;
  /// The shared native tables every script engine calls into.
  virtual script::NativeRegistry& natives() = 0;
  /// Message boxes and script failure reports.
  virtual script::Host& scriptHost() = 0;
  /// The fonts registered at start-up.
  virtual gfx::FontRegistry& fonts() = 0;
  /// Music and effects; null until the sound system is opened.
  virtual sound::SoundSystem* sound() = 0;

  /// Shows or hides the key pointer's cross-hair (ShowCursor / HideCursor).
  virtual void SetKeyPointerShown(bool shown) = 0;
  /// Ends the main loop after the current pass.
  virtual void RequestQuit() = 0;
  /// Attaches the key pointer to form: focus navigation (else the free pointer) with the
  /// navigation flags, the first focus chosen by the direction bits (1 up, 2 down, 4 left,
  /// 8 right).
  virtual void AttachKeyPointer(Form* form, std::uint8_t navFlags, bool focusNavigation,
                                std::uint8_t directions) {
    (void)form;
    (void)navFlags;
    (void)focusNavigation;
    (void)directions;
  }
  /// Where the records screen's script placed its rows (SetRecordBookParams).
  virtual const RecordBookLayout* recordLayout() const { return nullptr; }
  /// Sets the key pointer's step unit; resetRepeat also restarts its acceleration.
  virtual void SetKeyPointerUnit(int unit, bool resetRepeat) {
    (void)unit;
    (void)resetRepeat;
  }

  /// Shows the modal message form formName with the script scriptName over the current screen
  /// and waits, drawing frames, for the script's answer, at most timeoutMs (0: no limit).
  /// Returns the answer as a number, 0 on time-out or quit, -1 when the script can't be run.
  /// A program without a screen has no message forms and answers -1.
  virtual int RunMessageForm(std::string_view formName, std::string_view scriptName,
                             std::uint32_t timeoutMs) {
    (void)formName;
    (void)scriptName;
    (void)timeoutMs;
    return -1;
  }
};

}  // namespace gui
