#pragma once
#include "render/picture_service.h"

namespace orvane {

/// Pictures read by Qt's image readers (BMP and ICO among them), canvases painting into core images.
class QtPictureService : public PictureService {
 public:
  std::optional<Image> readBitmap(const std::string& path) override;
  std::optional<Image> readIcon(const std::string& path) override;
  std::unique_ptr<Canvas> canvasOn(Image& image) override;
};

}  // namespace orvane
