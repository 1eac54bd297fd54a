// FormDriver: the script behind a form. The form calls it by function name for its events
// ("Init", "Update", "OnShow", control name + "_StylusDown" / "_StylusUp" / "_Click" /
// "_StylusMove"); a function the script lacks, or one with another number of parameters, is
// skipped silently by the driver.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace gui {

class FormDriver {
 public:
  virtual ~FormDriver() = default;

  /// Runs the script function `function` with the argument texts; failures are reported by the
  /// driver itself (message box), never to the caller.
  virtual void Call(std::string_view function, std::span<const std::string> args) = 0;

  /// True when the script has a function of that name.
  virtual bool Defines(std::string_view) const { return false; }

  /// True while one of the driver's functions is running (it must not be destroyed then).
  virtual bool busy() const { return false; }
};

}  // namespace gui
