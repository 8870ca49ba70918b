#pragma once
// The system clipboard's pictures through Qt.

#include "services/clipboard.h"

namespace orvane {

class QtClipboard : public Clipboard {
 public:
  std::optional<Image> picture() override;
  void setPicture(const Image& picture) override;
};

}  // namespace orvane
