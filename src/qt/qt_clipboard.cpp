#include "qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

#include "qt/qt_image.h"

namespace orvane {

std::optional<Image> QtClipboard::picture() {
  const QImage image = QGuiApplication::clipboard()->image();
  if (image.isNull()) return std::nullopt;
  return toImage(image);
}

void QtClipboard::setPicture(const Image& picture) {
  // The clipboard keeps its own copy: the wrapper only borrows the core image's pixels.
  QGuiApplication::clipboard()->setImage(wrapImage(picture).copy());
}

}  // namespace orvane
