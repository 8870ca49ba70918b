#include "qt/pdf_printer.h"

#include <QMarginsF>
#include <QPageSize>
#include <QPrinter>
#include <algorithm>

#include "render/finished_pdf.h"

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

std::optional<std::string> commitPdf(StagedFile& staged, const std::string& output) {
  if (!isFinishedPdf(staged.path())) return "cannot write " + output + ": the document was cut short";
  if (const FileStatus committed = staged.commit(); !committed.ok()) return "cannot write " + committed.error;
  return std::nullopt;
}

QPageSize pageSizeOf(const SizeMm& paper) {
  const QSizeF portrait(std::min(paper.width, paper.height), std::max(paper.width, paper.height));
  return QPageSize(portrait, QPageSize::Millimeter);
}

}  // namespace orvane
