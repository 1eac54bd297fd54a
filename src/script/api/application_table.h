// The application table of natives. Its rows are registered in a fixed order:
//   QuitApplication, SwitchForm, GetGlobalVar, SetGlobalVar, GetGameTimeQuant, ShowCursor,
//   HideCursor, SaveScreenShot, GetScreenParams, FindoutScreenParams.
// Rows whose services are not in ApplicationTableServices yet are skipped; each one is added
// at its place in that order together with the service it needs.
#pragma once

#include "script/native_registry.h"
#include "script/variable_table.h"

namespace script::api {

/// What the application table's natives act on. Pointers are borrowed and must outlive the
/// registry; a null service leaves its rows out.
struct ApplicationTableServices {
  VariableTable* variables = nullptr;  // the application variables
};

/// Registers the application table's rows into registry in table order, ignoring refused
/// duplicates (the first registration of a name stays). True when done.
bool RegisterApplicationNatives(NativeRegistry& registry, const ApplicationTableServices& services);

}  // namespace script::api
