#pragma once
// The system clipboard's pictures. The Qt layer uses the real clipboard; tests script its content.

#include <optional>

#include "graphics/image.h"

namespace orvane {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  /// The picture the clipboard holds, or nothing when it holds none.
  virtual std::optional<Image> picture() = 0;
  /// Puts `picture` on the clipboard as a bitmap, in place of what it held.
  virtual void setPicture(const Image& picture) = 0;
};

}  // namespace orvane
