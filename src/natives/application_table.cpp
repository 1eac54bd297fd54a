#include "natives/application_table.h"

#include <cstdio>

#include "natives/application_variables.h"

namespace natives {

namespace {

// "Width" or "Height" (exactly) answers the size as decimal; anything else an empty text.
script::NativeFunction makeSizeQuery(std::function<int(bool)> size) {
  return [size = std::move(size)](std::span<const std::string> args) -> std::optional<std::string> {
    if (script::argumentCount(args) < 1) return std::string();
    if (args[0] == "Width") return std::to_string(size(true));
    if (args[0] == "Height") return std::to_string(size(false));
    return std::string();
  };
}

}  // namespace

bool RegisterApplicationNatives(script::NativeRegistry& registry,
                                const ApplicationTableServices& services) {
  using Args = std::span<const std::string>;
  using Answer = std::optional<std::string>;
  if (services.quit) {
    registry.RegisterNative("QuitApplication", [quit = services.quit](Args) -> Answer {
      quit();
      return std::nullopt;
    });
  }
  if (services.switchForm) {
    registry.RegisterNative("SwitchForm", [go = services.switchForm](Args args) -> Answer {
      if (script::argumentCount(args) == 1) go(args[0]);
      return std::nullopt;
    });
  }
  if (services.variables != nullptr) {
    registry.RegisterNative("GetGlobalVar", makeGetGlobalVar(*services.variables));
    registry.RegisterNative("SetGlobalVar", makeSetGlobalVar(*services.variables));
  }
  registry.RegisterNative("GetGameTimeQuant", makeGetGameTimeQuant());
  if (services.showCursor) {
    registry.RegisterNative("ShowCursor", [show = services.showCursor](Args) -> Answer {
      show(true);
      return std::nullopt;
    });
    registry.RegisterNative("HideCursor", [show = services.showCursor](Args) -> Answer {
      show(false);
      return std::nullopt;
    });
  }
  if (services.saveScreenshot) {
    registry.RegisterNative("SaveScreenShot", [save = services.saveScreenshot](Args) -> Answer {
      save();
      return std::nullopt;
    });
  }
  if (services.screenSize)
    registry.RegisterNative("GetScreenParams", makeSizeQuery(services.screenSize));
  if (services.displaySize) {
    registry.RegisterNative("FindoutScreenParams", makeSizeQuery(services.displaySize));
  }
  return true;
}

}  // namespace natives
