// The natives of the application table that work on the application variables alone:
// GetGlobalVar, SetGlobalVar and GetGameTimeQuant. They need no window, so tools run them too.
#pragma once

#include "script/native_registry.h"
#include "script/variable_table.h"

namespace natives {

/// The main loop's frame period in milliseconds, as GetGameTimeQuant reports it.
constexpr int kGameTimeQuantMs = 40;

/// GetGlobalVar(name): a copy of the application variable's value. A name that is not set, or
/// a call without an argument, gives nothing (the script sees "0").
script::NativeFunction makeGetGlobalVar(script::VariableTable& variables);

/// SetGlobalVar(name, value): sets the variable to a copy of value, creating it when absent,
/// and gives "1". With fewer than two arguments it changes nothing and gives nothing.
script::NativeFunction makeSetGlobalVar(script::VariableTable& variables);

/// GetGameTimeQuant(): "40".
script::NativeFunction makeGetGameTimeQuant();

}  // namespace natives
