#include "qt/qt_image.h"

#include <QBuffer>
#include <cstring>

namespace orvane {

namespace {
constexpr int bytesPerPixel = 4;
}

QImage wrapImage(Image& image) {
  return QImage(reinterpret_cast<uchar*>(image.bits()), image.width(), image.height(),
                static_cast<qsizetype>(image.width()) * bytesPerPixel, QImage::Format_ARGB32);
}

QImage wrapImage(const Image& image) {
  return QImage(reinterpret_cast<const uchar*>(image.bits()), image.width(), image.height(),
                static_cast<qsizetype>(image.width()) * bytesPerPixel, QImage::Format_ARGB32);
}

Image toImage(const QImage& image) {
  const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
  Image result(pixels.width(), pixels.height());
  const auto rowBytes = static_cast<std::size_t>(pixels.width()) * bytesPerPixel;
  for (int y = 0; y < pixels.height(); ++y)
    std::memcpy(result.bits() + static_cast<std::ptrdiff_t>(y) * pixels.width(), pixels.constScanLine(y),
                rowBytes);
  return result;
}

PixelView pixelView(QImage& image) {
  switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
      break;
    default:
      return {};
  }
  return {reinterpret_cast<Pixel*>(image.bits()), image.width(), image.height(),
          static_cast<int>(image.bytesPerLine() / bytesPerPixel)};
}

QByteArray pngOf(const QImage& image) {
  QByteArray png;
  QBuffer buffer(&png);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return {};
  return png;
}

}  // namespace orvane
