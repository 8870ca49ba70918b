#include "qt/qt_picture_service.h"

#include <QImageReader>

#include "qt/qt_image.h"
#include "qt/qt_painter_canvas.h"
#include "qt/qt_text.h"
#include "text/file_path.h"

namespace orvane {

namespace {

std::optional<Image> readImage(const std::string& path, const QByteArray& format) {
  // Card files keep Windows paths (".\element\C1carte.rtf"), read here as paths of this system.
  QImageReader reader(toQString(utf8Path(nativePath(path))), format);
  reader.setDecideFormatFromContent(true);
  const QImage image = reader.read();
  if (image.isNull()) return std::nullopt;
  return toImage(image);
}

// The QImage over the core image is made before the canvas that paints on it.
struct WrappedImage {
  QImage wrapper;
};

class CanvasOnImage : private WrappedImage, public QPainterCanvas {
 public:
  explicit CanvasOnImage(Image& image) : WrappedImage{wrapImage(image)}, QPainterCanvas(wrapper) {}
};

}  // namespace

std::optional<Image> QtPictureService::readBitmap(const std::string& path) { return readImage(path, {}); }

std::optional<Image> QtPictureService::readIcon(const std::string& path) { return readImage(path, "ico"); }

std::unique_ptr<Canvas> QtPictureService::canvasOn(Image& image) {
  return std::make_unique<CanvasOnImage>(image);
}

}  // namespace orvane
