#include "support/scripted_shell.h"

namespace orvane {

bool ScriptedShell::openDocument(const std::string& path) {
  opened.push_back(path);
  return !fail;
}

}  // namespace orvane
