#pragma once
// Pictures from files, canvases to draw on pictures in memory, and QR codes to draw on any canvas.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "graphics/image.h"
#include "render/canvas.h"
#include "render/qr_code.h"

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
  /// The QR code of `bytes` at error correction level M, or nothing when they do not fit in one.
  virtual std::optional<QrCode> encodeQrCode(std::string_view bytes) = 0;
};

}  // namespace orvane
