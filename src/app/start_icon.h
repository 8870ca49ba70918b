#pragma once
#include <QPixmap>

namespace orvane {

/// The built-in 32 x 32 picture the icon area shows until an icon file is chosen.
QPixmap startIcon();

}  // namespace orvane
