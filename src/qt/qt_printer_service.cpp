#include "qt/qt_printer_service.h"

#include <QDir>
#include <QPaintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <functional>

#include "qt/pdf_printer.h"
#include "qt/print_queue.h"
#include "qt/printer_fonts.h"
#include "qt/qt_painter_canvas.h"
#include "qt/qt_text.h"
#include "text/file_path.h"
#include "text/rounding.h"

namespace orvane {

namespace {

// The PDF printer prints at the resolution of the PDF export.
constexpr int pdfPrinterDpi = 600;
// The blending capabilities a printer reports, in the values the printer report has always shown.
constexpr int blendsConstantAlpha = 0x01;
constexpr int blendsPixelAlpha = 0x02;

// The paper every page is laid out for, whatever paper the printer would take by default.
void takeLayoutPaper(QPrinter& printer, const SizeMm& paper = a4Paper) {
  printer.setPageSize(pageSizeOf(paper));
}

// What becomes of a drawn document: handed on once complete (why that failed, or nothing), or dropped.
struct Delivery {
  std::function<std::optional<std::string>()> deliver;
  std::function<void()> drop;
};

class QtPrintJob : public PrintJob {
 public:
  QtPrintJob(QPrinter& printer, Delivery delivery)
      : printer_(printer), delivery_(std::move(delivery)), canvas_(printer) {}
  // A job drawn on a printer of its own.
  QtPrintJob(std::unique_ptr<QPrinter> printer, Delivery delivery)
      : ownPrinter_(std::move(printer)),
        printer_(*ownPrinter_),
        delivery_(std::move(delivery)),
        canvas_(printer_) {}

  bool started() { return canvas_.painter().isActive(); }
  Canvas& canvas() override { return canvas_; }
  PrinterMeasurements measurements() override { return measurePrinter(printer_); }
  bool newPage() override { return printer_.newPage(); }

  std::optional<std::string> finish() override {
    if (!canvas_.painter().end() || printer_.printerState() == QPrinter::Error) {
      delivery_.drop();
      return "the document could not be written";
    }
    return delivery_.deliver();
  }

  void abort() override {
    printer_.abort();
    canvas_.painter().end();
    delivery_.drop();
  }

 private:
  std::unique_ptr<QPrinter> ownPrinter_;
  QPrinter& printer_;
  Delivery delivery_;
  QPainterCanvas canvas_;
};

// A document for a printer writing a PDF file, the PDF printer or a file chosen in the print dialog: it
// is drawn under a staging name beside the file and takes the file's name only once written whole, so
// that an existing file is never left half written. The printer goes on naming the file.
std::unique_ptr<QtPrintJob> pdfFileJob(QPrinter& printer) {
  const QString target = printer.outputFileName();
  auto staged = std::make_shared<StagedFile>(nativePath(toStdString(target)));
  if (staged->path().empty()) return nullptr;
  printer.setOutputFileName(toQString(utf8Path(staged->path())));
  Delivery delivery{[staged, target, &printer] {
                      printer.setOutputFileName(target);
                      return commitPdf(*staged, toStdString(target));
                    },
                    [target, &printer] { printer.setOutputFileName(target); }};
  return std::make_unique<QtPrintJob>(printer, std::move(delivery));
}

// A document for a system printer is drawn into a PDF file of its own, on the printer's page at its
// resolution, and handed to the printer's queue only once complete: a dropped document never reaches
// the queue, and the scheduler's answer about the job can be asked for.
std::unique_ptr<QtPrintJob> queuedJob(const QPrinter& printer) {
  auto spool = std::make_shared<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/orvane-XXXXXX.pdf"));
  if (!spool->open()) return nullptr;
  spool->close();
  auto drawn = std::make_unique<QPrinter>(QPrinter::HighResolution);
  drawn->setOutputFormat(QPrinter::PdfFormat);
  drawn->setOutputFileName(spool->fileName());
  drawn->setResolution(printer.resolution());
  drawn->setPageLayout(printer.pageLayout());
  drawn->setFullPage(printer.fullPage());
  drawn->setColorMode(printer.colorMode());
  drawn->setDocName(printer.docName());
  Delivery delivery{
      [spool, name = printer.printerName(), title = printer.docName(), options = queueOptions(printer)] {
        return queueDocument(name, spool->fileName(), title, options);
      },
      [spool] { spool->remove(); }};
  return std::make_unique<QtPrintJob>(std::move(drawn), std::move(delivery));
}

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
    if (!info.isNull()) printer_ = systemPrinter(info);
  }
  return printer_.get();
}

bool QtPrinterService::selectPrinter(const std::string& name) {
  defaultTaken_ = true;
  if (name.starts_with(pdfPrefix)) {
    printer_ = makePdfPrinter(QString::fromStdString(name.substr(pdfPrefix.size())), pdfPrinterDpi,
                              QPageLayout::Portrait);
    return true;
  }
  const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(name));
  if (info.isNull()) return false;
  printer_ = systemPrinter(info);
  return true;
}

std::unique_ptr<QPrinter> QtPrinterService::systemPrinter(const QPrinterInfo& info) {
  auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  takeLayoutPaper(*printer);
  return printer;
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

std::unique_ptr<PrintJob> QtPrinterService::startJob(const JobSettings& settings) {
  QPrinter* printer = currentPrinter();
  if (!printer) return nullptr;
  // The print dialog may have chosen another paper or mode: the job says what its pages are.
  takeLayoutPaper(*printer, settings.paper);
  printer->setPageOrientation(settings.orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                                 : QPageLayout::Portrait);
  printer->setColorMode(settings.colour ? QPrinter::Color : QPrinter::GrayScale);
  printer->setDocName(QString::fromStdString(settings.title));
  // Each copy is drawn as a page of its own: the printer must not repeat the document.
  printer->setCopyCount(1);
  std::unique_ptr<QtPrintJob> job;
  if (printer->outputFormat() == QPrinter::NativeFormat)
    job = queuedJob(*printer);
  else
    job = pdfFileJob(*printer);
  if (!job || !job->started()) return nullptr;
  return job;
}

PrinterFont QtPrinterService::printerFont(const std::string& name) { return printerFontOf(name); }

std::string QtPrinterService::currentPrinterName() {
  const QPrinter* printer = currentPrinter();
  if (!printer || printer->outputFormat() != QPrinter::NativeFormat) return {};
  return printer->printerName().toStdString();
}

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
