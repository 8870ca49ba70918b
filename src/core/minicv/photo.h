#pragma once
// The identity photo: a bitmap fitted into the 110 x 130 frame without distortion, on the CV's
// background colour.

#include <optional>
#include <string>

#include "colour.h"
#include "form/control_tree.h"
#include "graphics/geometry.h"
#include "graphics/image.h"
#include "render/picture_service.h"

namespace orvane::minicv {

inline constexpr int photoWidth = 110;
inline constexpr int photoHeight = 130;
/// "Orvane : anomalie de chargement de l'image.", however the photo was named.
inline constexpr int photoUnreadableMessage = 114;

/// Where a bitmap of `width` x `height` lies in the photo frame: a relatively tall one fills the
/// height and is centred across, any other fills the width and is centred down. Nothing for a bitmap
/// without pixels.
std::optional<Rect> photoPlacement(int width, int height);

/// The photo frame as shown: `background` behind the bitmap at `path` in its placement; nothing when
/// the bitmap cannot be read or drawn.
std::optional<Image> composePhoto(PictureService& pictures, const std::string& path, Colour background);

/// Puts the photo at `path` into the image control `image`, sized to the photo frame: the composed
/// photo, with `path` as the control's picture; nothing, and no picture, when the bitmap cannot be
/// read. The control's visibility is the caller's.
std::optional<Image> putPhoto(Control& image, const std::string& path, Colour background,
                              PictureService& pictures);

}  // namespace orvane::minicv
