#include "render/canvas.h"

namespace orvane {

bool drawBitmapScaled(const Image& bitmap, Canvas& canvas, int x, int y, int width, int height) {
  if (width < 1) width = bitmap.width();
  if (height < 1) height = bitmap.height();
  return canvas.drawImage(Rect::fromSize(x, y, width, height), bitmap);
}

}  // namespace orvane
