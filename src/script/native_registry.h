// NativeRegistry: the application's functions that scripts call by name. One registry is shared
// by every ScriptEngine of the application; it also carries the NestingBudget those engines
// share, so nesting through natives into other scripts is bounded as a whole.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "script/nesting_budget.h"

namespace script {

/// A native function. args holds the n argument values in order followed by the calling
/// script's name, so args.size() is n + 1 and args.back() is always there. The texts belong to
/// the caller and live only during the call. The result is the call's value; nothing gives the
/// script "0". A native may throw; the interpreter turns that into a failing statement.
using NativeFunction = std::function<std::optional<std::string>(std::span<const std::string> args)>;

/// Number of script arguments a native received (the script name is not counted).
inline std::size_t argumentCount(std::span<const std::string> args) {
  return args.empty() ? 0 : args.size() - 1;
}

class NativeRegistry {
 public:
  struct Entry {
    std::string name;
    NativeFunction function;
  };

  /// Appends name; false, and no change, when the name is registered already (the first
  /// registration stays) or the function is empty.
  bool RegisterNative(std::string_view name, NativeFunction function);

  /// The entry registered under exactly this name, or null. An empty name is never found.
  const Entry* FindNative(std::string_view name) const;

  /// Calls the native registered under name with args (values then script name, see
  /// NativeFunction). Nothing when the name is not registered or the native gives nothing.
  std::optional<std::string> CallNative(std::string_view name,
                                        std::span<const std::string> args) const;

  /// Every entry in registration order.
  const std::deque<Entry>& entries() const { return entries_; }

  NestingBudget& nesting() { return nesting_; }

 private:
  // A deque keeps entries in place while a running native registers another one.
  std::deque<Entry> entries_;
  NestingBudget nesting_;
};

}  // namespace script
