#include "qt/print_shop_pdf.h"

#include <QByteArray>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <system_error>

#include "qt/qt_painter_canvas.h"
#include "qt/qt_text.h"
#include "render/print_shop_drawing.h"
#include "text/file_path.h"

namespace orvane {

namespace {

// Box corners to a hundredth of a micrometre: far below what a print shop measures.
constexpr int boxDecimals = 4;

// Qt's page sizes are whole points; the page drawn on is the next size up, and the boxes set afterwards
// cut it to the exact size.
QPageLayout pageLayoutAround(const PrintShopPage& page) {
  const QSize points(static_cast<int>(std::ceil(pointsFromDots(page.media.width(), page.dpi))),
                     static_cast<int>(std::ceil(pointsFromDots(page.media.height(), page.dpi))));
  return QPageLayout(QPageSize(points, QString(), QPageSize::ExactMatch), QPageLayout::Portrait,
                     QMarginsF(0, 0, 0, 0));
}

bool drawPage(RenderContext& context, const std::filesystem::path& path, const PrintShopPage& page,
              const PrintShopSettings& settings) {
  QPdfWriter writer(toQString(utf8Path(path)));
  writer.setResolution(page.dpi);
  writer.setPageLayout(pageLayoutAround(page));
  writer.setCreator(QStringLiteral("Orvane"));
  QPainterCanvas canvas(writer);
  if (!canvas.painter().isActive()) return false;
  // Qt writes pictures as JPEG otherwise: the pattern and the icon keep their exact colours.
  canvas.painter().setRenderHint(QPainter::LosslessImageRendering);
  drawPrintShopPage(context, canvas, page, settings);
  return true;
}

// A rectangle of page dots as a PDF box, on a page `height` points high: PDF measures upwards from the
// page's bottom edge.
QPDFObjectHandle pdfBox(const Rect& rect, int dpi, double height) {
  const auto number = [](double value) { return QPDFObjectHandle::newReal(value, boxDecimals); };
  return QPDFObjectHandle::newArray(std::vector<QPDFObjectHandle>{
      number(pointsFromDots(rect.left, dpi)), number(height - pointsFromDots(rect.bottom, dpi)),
      number(pointsFromDots(rect.right, dpi)), number(height - pointsFromDots(rect.top, dpi))});
}

// Sets the media, bleed and trim boxes of the PDF that Qt wrote at `path`, which is rewritten in place.
void setPageBoxes(const std::filesystem::path& path, const PrintShopPage& page) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  QPDF pdf;
  pdf.processMemoryFile(path.string().c_str(), bytes.data(), bytes.size());
  const double height = pointsFromDots(page.media.height(), page.dpi);
  for (QPDFPageObjectHelper& pdfPage : QPDFPageDocumentHelper(pdf).getAllPages()) {
    // Qt's page runs down from its top edge and is a little taller: the drawing moves down onto a page
    // that starts at (0, 0), as print shops expect.
    const double top = pdfPage.getMediaBox().getArrayItem(3).getNumericValue();
    const std::string shift =
        "1 0 0 1 0 " + QByteArray::number(height - top, 'f', boxDecimals).toStdString() + " cm\n";
    pdfPage.addPageContents(QPDFObjectHandle::newStream(&pdf, shift), true);
    QPDFObjectHandle dictionary = pdfPage.getObjectHandle();
    dictionary.replaceKey("/MediaBox", pdfBox(page.media, page.dpi, height));
    dictionary.replaceKey("/BleedBox", pdfBox(page.bleed, page.dpi, height));
    dictionary.replaceKey("/TrimBox", pdfBox(page.card.rect, page.dpi, height));
    dictionary.removeKey("/CropBox");
  }
  QPDFWriter writer(pdf, path.string().c_str());
  // The streams Qt compressed are copied as they are.
  writer.setDecodeLevel(qpdf_dl_none);
  writer.write();
}

}  // namespace

std::optional<std::string> writePrintShopPdf(RenderContext& context, const std::string& output,
                                             const PrintShopSettings& settings,
                                             const DrawingFailure& failure) {
  const std::filesystem::path target = nativePath(output);
  std::filesystem::path partial = target;
  partial += ".part";
  std::error_code error;
  const PrintShopPage page = printShopPage(context.card, settings);
  std::optional<std::string> refused;
  if (!drawPage(context, partial, page, settings)) {
    refused = "cannot write " + output;
  } else if (failure) {
    refused = failure();
  }
  if (!refused) {
    try {
      setPageBoxes(partial, page);
    } catch (const std::exception& problem) {
      refused = "cannot write " + output + ": " + problem.what();
    }
  }
  if (refused) {
    std::filesystem::remove(partial, error);
    return refused;
  }
  std::filesystem::rename(partial, target, error);
  if (error) return "cannot write " + output + ": " + error.message();
  return std::nullopt;
}

}  // namespace orvane
