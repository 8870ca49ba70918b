#pragma once
// Which font a printed page really uses for a face name, as the system's font matching decides it.

#include <string>

#include "services/printer_service.h"

namespace orvane {

/// Outline when the face `name` prints in a scalable outline font of that family, or in a substitute
/// the font configuration declares metric-compatible with it (the layout then prints as it shows);
/// Substituted for any other font; CannotEnumerate when the fonts cannot be asked.
PrinterFont printerFontOf(const std::string& name);

}  // namespace orvane
