#include "qt/pdf_printer.h"

#include <QMarginsF>
#include <QPageSize>
#include <QPrinter>

namespace orvane {

std::unique_ptr<QPrinter> makePdfPrinter(const QString& path, int dpi, QPageLayout::Orientation orientation) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(path);
  printer->setResolution(dpi);
  printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(0, 0, 0, 0)));
  printer->setFullPage(false);
  return printer;
}

}  // namespace orvane
