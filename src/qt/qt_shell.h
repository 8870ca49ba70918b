#pragma once
#include "services/shell.h"

namespace orvane {

/// Opens documents with the desktop's associated program, through QDesktopServices.
class QtShell : public Shell {
 public:
  bool openDocument(const std::string& path) override;
};

}  // namespace orvane
