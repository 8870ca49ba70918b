#pragma once
// Fonts of the core as Qt fonts. The face names stay those of the card ("Arial", "Times New Roman");
// fontconfig maps them to the metric-compatible faces installed on the system.

#include <QFont>

#include "font.h"

namespace orvane {

QFont toQFont(const FontSpec& font);

}  // namespace orvane
