#include "script/variable_table.h"

#include <algorithm>

namespace script {

const VariableTable::Entry* VariableTable::find(std::string_view name) const {
  for (const Entry& entry : entries_) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

VariableTable::Entry* VariableTable::find(std::string_view name) {
  return const_cast<Entry*>(std::as_const(*this).find(name));
}

bool VariableTable::DeclareVariable(std::string_view name) {
  if (find(name) != nullptr) return false;
  entries_.push_back(Entry{std::string(name), "0"});
  return true;
}

std::optional<std::string> VariableTable::GetVariable(std::string_view name) const {
  const Entry* entry = find(name);
  if (entry == nullptr) return std::nullopt;
  return entry->value;
}

bool VariableTable::SetVariable(std::string_view name, std::string_view value) {
  if (Entry* entry = find(name)) {
    entry->value.assign(value);
  } else {
    entries_.push_back(Entry{std::string(name), std::string(value)});
  }
  return true;
}

bool VariableTable::DeleteVariable(std::string_view name) {
  const auto it = std::find_if(entries_.begin(), entries_.end(),
                               [&](const Entry& entry) { return entry.name == name; });
  if (it == entries_.end()) return false;
  entries_.erase(it);
  return true;
}

}  // namespace script
