#pragma once
// Opens a document with the program the system associates with it (the exported page in the browser).

#include <string>

namespace orvane {

class Shell {
 public:
  virtual ~Shell() = default;
  /// Asks the system to open `path` with its default action; false when it reports a failure.
  virtual bool openDocument(const std::string& path) = 0;
};

}  // namespace orvane
