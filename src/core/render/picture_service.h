#pragma once
// Pictures from files, and canvases to draw on pictures in memory.

#include <memory>
#include <optional>
#include <string>

#include "graphics/image.h"
#include "render/canvas.h"

namespace orvane {

class PictureService {
 public:
  virtual ~PictureService() = default;
  /// The bitmap at `path`, or nothing when it cannot be read.
  virtual std::optional<Image> readBitmap(const std::string& path) = 0;
  /// The icon at `path` at its own size, or nothing when it cannot be read.
  virtual std::optional<Image> readIcon(const std::string& path) = 0;
  /// A canvas that draws into `image`; `image` must outlive it and keep its size meanwhile.
  virtual std::unique_ptr<Canvas> canvasOn(Image& image) = 0;
};

}  // namespace orvane
