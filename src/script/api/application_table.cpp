#include "script/api/application_table.h"

#include "script/api/application_variables.h"

namespace script::api {

bool RegisterApplicationNatives(NativeRegistry& registry,
                                const ApplicationTableServices& services) {
  // QuitApplication and SwitchForm go here, before the variable rows.
  if (services.variables != nullptr) {
    registry.RegisterNative("GetGlobalVar", makeGetGlobalVar(*services.variables));
    registry.RegisterNative("SetGlobalVar", makeSetGlobalVar(*services.variables));
  }
  registry.RegisterNative("GetGameTimeQuant", makeGetGameTimeQuant());
  // ShowCursor, HideCursor, SaveScreenShot, GetScreenParams and FindoutScreenParams follow.
  return true;
}

}  // namespace script::api
