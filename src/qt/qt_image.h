#pragma once
// Core images and Qt images share their pixel layout (32-bit 0xAARRGGBB), so they cross without
// conversion: a wrapper paints straight into the core image's memory.

#include <QByteArray>
#include <QImage>
#include <string_view>

#include "graphics/image.h"

namespace orvane {

/// A QImage over the pixels of `image`, which must outlive it and keep its size.
QImage wrapImage(Image& image);
/// A read-only QImage over the pixels of `image`.
QImage wrapImage(const Image& image);

/// A copy of `image` as a core image.
Image toImage(const QImage& image);

/// The pixels of an RGB32 or ARGB32 QImage as the core's fills see them; an empty view for other
/// formats (premultiplied pixels would need converting).
PixelView pixelView(QImage& image);

/// `image` encoded as a PNG file; empty when it could not be encoded.
QByteArray pngOf(const QImage& image);

/// The bytes of `bytes`, for the core's writers.
inline std::string_view bytesOf(const QByteArray& bytes) {
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

}  // namespace orvane
