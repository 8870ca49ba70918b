#include "qt/qt_printer_service.h"

#include <QFile>
#include <QPaintEngine>
#include <QPrinter>
#include <QPrinterInfo>

#include "qt/pdf_printer.h"
#include "qt/printer_fonts.h"
#include "qt/qt_painter_canvas.h"
#include "text/rounding.h"

namespace orvane {

namespace {

// The PDF printer prints at the resolution of the PDF export.
constexpr int pdfPrinterDpi = 600;
// The blending capabilities a printer reports, in the values the printer report has always shown.
constexpr int blendsConstantAlpha = 0x01;
constexpr int blendsPixelAlpha = 0x02;

QString partialFile(const QString& target) { return target + QStringLiteral(".part"); }

class QtPrintJob : public PrintJob {
 public:
  QtPrintJob(QPrinter& printer, QString pdfFile)
      : printer_(printer), pdfFile_(std::move(pdfFile)), canvas_(printer) {}

  bool started() { return canvas_.painter().isActive(); }
  Canvas& canvas() override { return canvas_; }
  PrinterMeasurements measurements() override { return measurePrinter(printer_); }
  bool newPage() override { return printer_.newPage(); }

  bool finish() override {
    if (!canvas_.painter().end() || printer_.printerState() == QPrinter::Error) return false;
    if (pdfFile_.isEmpty()) return true;
    // The PDF takes its name only once complete, so that an existing file is never left half written.
    QFile::remove(pdfFile_);
    return QFile::rename(partialFile(pdfFile_), pdfFile_);
  }

  void abort() override {
    printer_.abort();
    canvas_.painter().end();
    if (!pdfFile_.isEmpty()) QFile::remove(partialFile(pdfFile_));
  }

 private:
  QPrinter& printer_;
  QString pdfFile_;
  QPainterCanvas canvas_;
};

}  // namespace

QtPrinterService::QtPrinterService() = default;
QtPrinterService::~QtPrinterService() = default;

QPrinter* QtPrinterService::currentPrinter() {
  if (!printer_ && !defaultTaken_) {
    defaultTaken_ = true;
    // Without a default printer, the first one the system lists stands in for it.
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull() && !QPrinterInfo::availablePrinterNames().isEmpty())
      info = QPrinterInfo::printerInfo(QPrinterInfo::availablePrinterNames().constFirst());
    if (!info.isNull()) printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  }
  return printer_.get();
}

bool QtPrinterService::selectPrinter(const std::string& name) {
  defaultTaken_ = true;
  if (name.starts_with(pdfPrefix)) {
    pdfFile_ = QString::fromStdString(name.substr(pdfPrefix.size()));
    printer_ = makePdfPrinter(pdfFile_.isEmpty() ? QString() : partialFile(pdfFile_), pdfPrinterDpi,
                              QPageLayout::Portrait);
    return true;
  }
  const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(name));
  if (info.isNull()) return false;
  pdfFile_.clear();
  printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  return true;
}

std::vector<std::string> QtPrinterService::systemPrinterNames() {
  std::vector<std::string> names;
  const QString defaultName = QPrinterInfo::defaultPrinterName();
  if (!defaultName.isEmpty()) names.push_back(defaultName.toStdString());
  for (const QString& name : QPrinterInfo::availablePrinterNames())
    if (name != defaultName) names.push_back(name.toStdString());
  return names;
}

std::optional<PrinterResolution> QtPrinterService::currentResolution() {
  const QPrinter* printer = currentPrinter();
  if (!printer) return std::nullopt;
  return PrinterResolution{printer->logicalDpiX(), printer->logicalDpiY()};
}

int QtPrinterService::installedPrinterCount() {
  return static_cast<int>(QPrinterInfo::availablePrinterNames().size());
}

std::optional<PrinterMeasurements> QtPrinterService::currentMeasurements() {
  const QPrinter* printer = currentPrinter();
  if (!printer) return std::nullopt;
  return measurePrinter(*printer);
}

std::unique_ptr<PrintJob> QtPrinterService::startJob(PageOrientation orientation, const std::string& title) {
  QPrinter* printer = currentPrinter();
  if (!printer) return nullptr;
  printer->setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                        : QPageLayout::Portrait);
  printer->setDocName(QString::fromStdString(title));
  // Each copy is drawn as a page of its own: the printer must not repeat the document.
  printer->setCopyCount(1);
  auto job = std::make_unique<QtPrintJob>(*printer, pdfFile_);
  if (!job->started()) return nullptr;
  return job;
}

PrinterFont QtPrinterService::printerFont(const std::string& name) { return printerFontOf(name); }

PrinterMeasurements measurePrinter(const QPrinter& printer) {
  const QPageLayout layout = printer.pageLayout();
  const int resolution = printer.resolution();
  const QRect paper = layout.fullRectPixels(resolution);
  const QRect printable = layout.paintRectPixels(resolution);
  const QRectF printableMm = layout.paintRect(QPageLayout::Millimeter);
  PrinterMeasurements measures;
  measures.resolution = {printer.logicalDpiX(), printer.logicalDpiY()};
  measures.printableWidthMm = roundToInt(printableMm.width());
  measures.printableHeightMm = roundToInt(printableMm.height());
  measures.pageWidth = printable.width();
  measures.pageHeight = printable.height();
  measures.paperWidth = paper.width();
  measures.paperHeight = paper.height();
  measures.offsetX = printable.left() - paper.left();
  measures.offsetY = printable.top() - paper.top();
  if (const QPaintEngine* engine = printer.paintEngine()) {
    if (engine->hasFeature(QPaintEngine::ConstantOpacity)) measures.blendCapabilities |= blendsConstantAlpha;
    if (engine->hasFeature(QPaintEngine::AlphaBlend)) measures.blendCapabilities |= blendsPixelAlpha;
  }
  return measures;
}

}  // namespace orvane
