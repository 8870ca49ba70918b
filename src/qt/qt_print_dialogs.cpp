#include "qt/qt_print_dialogs.h"

#include <QPrintDialog>
#include <QPrinter>

namespace orvane {

namespace {

// The dialog offers printing to a file; with no printer at all there is nothing to set up.
std::optional<int> runPrintDialog(QPrinter* printer, QWidget* parent) {
  if (!printer) return std::nullopt;
  QPrintDialog dialog(printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return printer->copyCount();
}

}  // namespace

std::optional<int> QtPrintDialogs::printDialog() {
  return runPrintDialog(printers_ ? printers_->currentPrinter() : nullptr, parent_);
}

bool QtPrintDialogs::printerSetupDialog() {
  return runPrintDialog(printers_ ? printers_->currentPrinter() : nullptr, parent_).has_value();
}

}  // namespace orvane
