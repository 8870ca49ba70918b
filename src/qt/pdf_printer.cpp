#include "qt/pdf_printer.h"

#include <QMarginsF>
#include <QPageSize>
#include <QPrinter>
#include <algorithm>

namespace orvane {

std::unique_ptr<QPrinter> makePdfPrinter(const QString& path, int dpi, QPageLayout::Orientation orientation,
                                         const QPageSize& paper) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(path);
  printer->setResolution(dpi);
  printer->setPageLayout(QPageLayout(paper, orientation, QMarginsF(0, 0, 0, 0)));
  printer->setFullPage(false);
  return printer;
}

QPageSize pageSizeOf(const SizeMm& paper) {
  const QSizeF portrait(std::min(paper.width, paper.height), std::max(paper.width, paper.height));
  return QPageSize(portrait, QPageSize::Millimeter);
}

}  // namespace orvane
