// VariableTable: an ordered, case-sensitive table of named text values. Used for the locals of
// one run, a script's globals and the application variables. Lookups are linear with exact
// comparison; new entries go to the end, so iteration order is creation order.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace script {

class VariableTable {
 public:
  struct Entry {
    std::string name;
    std::string value;
  };

  /// Adds name with the value "0"; false (and no change) when the name exists already.
  bool DeclareVariable(std::string_view name);

  /// A copy of the value, or nothing when the name is absent.
  std::optional<std::string> GetVariable(std::string_view name) const;

  /// True when the name is present.
  bool HasVariable(std::string_view name) const { return find(name) != nullptr; }

  /// Creates the entry when absent (at the end), then replaces its value. Always true.
  bool SetVariable(std::string_view name, std::string_view value);

  /// Removes the entry; false when the name is absent.
  bool DeleteVariable(std::string_view name);

  /// Every entry in creation order.
  const std::vector<Entry>& entries() const { return entries_; }

 private:
  const Entry* find(std::string_view name) const;
  Entry* find(std::string_view name);

  std::vector<Entry> entries_;
};

}  // namespace script
