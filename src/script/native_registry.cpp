#include "script/native_registry.h"

namespace script {

bool NativeRegistry::RegisterNative(std::string_view name, NativeFunction function) {
  if (!function || FindNative(name) != nullptr) return false;
  entries_.push_back(Entry{std::string(name), std::move(function)});
  return true;
}

const NativeRegistry::Entry* NativeRegistry::FindNative(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (const Entry& entry : entries_) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

std::optional<std::string> NativeRegistry::CallNative(std::string_view name,
                                                      std::span<const std::string> args) const {
  const Entry* entry = FindNative(name);
  if (entry == nullptr) return std::nullopt;
  return entry->function(args);
}

}  // namespace script
