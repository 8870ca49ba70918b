#pragma once
#include "render/picture_service.h"

namespace orvane {

/// Pictures read by Qt's image readers (BMP and ICO among them), canvases painting into core images,
/// QR codes from libqrencode.
class QtPictureService : public PictureService {
 public:
  std::optional<Image> readBitmap(const std::string& path) override;
  std::optional<Image> readIcon(const std::string& path) override;
  std::unique_ptr<Canvas> canvasOn(Image& image) override;
  std::optional<QrCode> encodeQrCode(std::string_view bytes) override;
};

}  // namespace orvane
