#pragma once
// Where the program keeps the few texts it remembers between runs, by value name.

#include <optional>
#include <string>

namespace orvane {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  /// The stored text of `name`, or nothing when no such value has been stored.
  virtual std::optional<std::string> read(const std::string& name) = 0;
  /// Stores `text` under `name`; false when the store refuses the write.
  virtual bool write(const std::string& name, const std::string& text) = 0;
};

}  // namespace orvane
