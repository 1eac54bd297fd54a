// The application table of natives, registered in this order:
//   QuitApplication, SwitchForm, GetGlobalVar, SetGlobalVar, GetGameTimeQuant, ShowCursor,
//   HideCursor, SaveScreenShot, GetScreenParams, FindoutScreenParams.
// A row whose service is missing from ApplicationTableServices is left out, so window-free
// tools can register the variable rows alone.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "script/native_registry.h"
#include "script/variable_table.h"

namespace natives {

/// What the application table's natives act on. Pointers are borrowed and must outlive the
/// registry; a null pointer or empty function leaves its rows out.
struct ApplicationTableServices {
  script::VariableTable* variables = nullptr;             // GetGlobalVar, SetGlobalVar
  std::function<void()> quit;                             // QuitApplication
  std::function<void(std::string_view form)> switchForm;  // SwitchForm
  std::function<void(bool shown)> showCursor;             // ShowCursor, HideCursor
  /// SaveScreenShot: takes the next numbered screenshot, as the screenshot key does.
  std::function<void()> saveScreenshot;
  /// GetScreenParams: the screen size in use (width when true, else height).
  std::function<int(bool width)> screenSize;
  /// FindoutScreenParams: the device display's size as the display layer detected it.
  std::function<int(bool width)> displaySize;
};

/// Registers the application table's rows into registry in table order, ignoring refused
/// duplicates (the first registration of a name stays). True when done.
bool RegisterApplicationNatives(script::NativeRegistry& registry,
                                const ApplicationTableServices& services);

}  // namespace natives
