#include "qt/qt_picture_service.h"

#include <qrencode.h>

#include <QImageReader>
#include <memory>

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

std::optional<QrCode> QtPictureService::encodeQrCode(std::string_view bytes) {
  // Byte mode keeps the UTF-8 text as it is; version 0 takes the smallest symbol that holds it.
  const std::unique_ptr<QRcode, decltype(&QRcode_free)> symbol(
      QRcode_encodeData(static_cast<int>(bytes.size()), reinterpret_cast<const unsigned char*>(bytes.data()),
                        0, QR_ECLEVEL_M),
      &QRcode_free);
  if (!symbol) return std::nullopt;
  QrCode code;
  code.width = symbol->width;
  const auto count = static_cast<std::size_t>(symbol->width) * static_cast<std::size_t>(symbol->width);
  code.modules.reserve(count);
  // The lowest bit of each byte tells a dark module; the others tell what the module belongs to.
  for (std::size_t i = 0; i < count; ++i) code.modules.push_back(symbol->data[i] & 1U);
  return code;
}

}  // namespace orvane
