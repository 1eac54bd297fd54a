// Loading step 2: cutting a cleaned script text into function definitions.
#pragma once

#include <string_view>
#include <vector>

#include "script/cleaner.h"
#include "script/script_error.h"
#include "script/script_function.h"

namespace script {

constexpr std::size_t kMaxFunctionNameLength = 30;

/// Appends one ScriptFunction per definition of cleaned.text to functions, in source order.
/// True on success (a text without functions succeeds). On failure, error gets the line, the
/// definition text and the reason; the functions cut before the failure stay appended.
bool cutIntoFunctions(const CleanedText& cleaned, std::vector<ScriptFunction>& functions,
                      ScriptError& error);

}  // namespace script
