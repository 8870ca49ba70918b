#pragma once
#include "qt/qt_printer_service.h"
#include "services/print_dialogs.h"

class QWidget;

namespace orvane {

/// The system's print dialog over the current printer, for printing and for the printer setup. Over
/// printers that are not the system's, nothing can be chosen: every dialog is cancelled.
class QtPrintDialogs : public PrintDialogs {
 public:
  QtPrintDialogs(QtPrinterService* printers, QWidget* parent) : printers_(printers), parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }

  std::optional<int> printDialog() override;
  bool printerSetupDialog() override;

 private:
  QtPrinterService* printers_;
  QWidget* parent_;
};

}  // namespace orvane
