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
  /// SaveScreenShot: the counter it advances (the option ScreenShotCount), the folder the
  /// files go to (with its trailing separator), and the function that paints the screen and
  /// writes it to a path. All three are needed for the row.
  std::function<std::uint16_t&()> screenshotCounter;
  std::string screenshotFolder;
  std::function<void(const std::string& path)> writeScreenshot;
  /// GetScreenParams: the screen size in use (width when true, else height).
  std::function<int(bool width)> screenSize;
  /// FindoutScreenParams: the device display's size as the display layer detected it.
  std::function<int(bool width)> displaySize;
};

/// The path of screenshot number counter in folder: folder + "screenshot" + at least four
/// digits + ".bmp".
std::string ScreenshotFileName(const std::string& folder, std::uint16_t counter);

/// Registers the application table's rows into registry in table order, ignoring refused
/// duplicates (the first registration of a name stays). True when done.
bool RegisterApplicationNatives(script::NativeRegistry& registry,
                                const ApplicationTableServices& services);

}  // namespace natives
