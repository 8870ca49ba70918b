#pragma once
// A shell for tests: it records the documents it is asked to open and, told to, fails.

#include <string>
#include <vector>

#include "services/shell.h"

namespace orvane {

class ScriptedShell : public Shell {
 public:
  std::vector<std::string> opened;
  bool fail = false;

  bool openDocument(const std::string& path) override;
};

}  // namespace orvane
