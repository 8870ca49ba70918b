#include "minicv/photo.h"

#include "text/rounding.h"

namespace orvane::minicv {

std::optional<Rect> photoPlacement(int width, int height) {
  if (width <= 0 || height <= 0) return std::nullopt;
  const double ratio = static_cast<double>(height) / width;
  if (static_cast<double>(width) / photoWidth < static_cast<double>(height) / photoHeight) {
    const double shownWidth = photoHeight / ratio;
    return Rect::fromSize(roundToInt((photoWidth - shownWidth) / 2), 0, roundToInt(shownWidth), photoHeight);
  }
  const double shownHeight = ratio * photoWidth;
  return Rect::fromSize(0, roundToInt((photoHeight - shownHeight) / 2), photoWidth, roundToInt(shownHeight));
}

std::optional<Image> composePhoto(PictureService& pictures, const std::string& path, Colour background) {
  const std::optional<Image> bitmap = pictures.readBitmap(path);
  if (!bitmap) return std::nullopt;
  const std::optional<Rect> placement = photoPlacement(bitmap->width(), bitmap->height());
  if (!placement) return std::nullopt;
  Image photo(photoWidth, photoHeight, opaquePixel(background));
  {
    const auto canvas = pictures.canvasOn(photo);
    if (!canvas->drawImage(*placement, *bitmap)) return std::nullopt;
  }
  return photo;
}

std::optional<Image> putPhoto(Control& image, const std::string& path, Colour background,
                              PictureService& pictures) {
  image.width = photoWidth;
  image.height = photoHeight;
  image.picturePath.clear();
  std::optional<Image> photo = composePhoto(pictures, path, background);
  if (photo) image.picturePath = path;
  return photo;
}

}  // namespace orvane::minicv
