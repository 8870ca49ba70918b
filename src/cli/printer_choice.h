#pragma once
// The printer a print command names with --printer.

#include <optional>
#include <string>

#include "qt/qt_printer_service.h"

namespace orvane::cli {

/// Makes `name` (a system printer, or "pdf:" and a file) the current printer of `printers`; the line
/// that says why it cannot.
inline std::optional<std::string> choosePrinter(QtPrinterService& printers, const std::string& name) {
  if (printers.selectPrinter(name)) return std::nullopt;
  return "no printer called " + name;
}

}  // namespace orvane::cli
