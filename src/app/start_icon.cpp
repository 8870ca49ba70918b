#include "app/start_icon.h"

#include <QPainter>

namespace orvane {

QPixmap startIcon() {
  // A small card with two text bars, drawn rather than shipped so that no binary asset is needed.
  QPixmap icon(32, 32);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(128, 0, 128), 2));
  painter.setBrush(QColor(255, 192, 128));
  painter.drawRoundedRect(QRectF(3, 6, 26, 20), 3, 3);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(128, 0, 128));
  painter.drawRect(QRectF(8, 11, 16, 3));
  painter.drawRect(QRectF(8, 18, 10, 2));
  return icon;
}

}  // namespace orvane
