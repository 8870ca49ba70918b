#pragma once
// Test double of the clipboard: a picture slot the test fills and reads.

#include "services/clipboard.h"

namespace orvane {

class ScriptedClipboard : public Clipboard {
 public:
  /// What the clipboard holds; nothing for an empty clipboard or one without a picture.
  std::optional<Image> held;

  std::optional<Image> picture() override { return held; }
  void setPicture(const Image& picture) override { held = picture; }
};

}  // namespace orvane
