#include "qt/print_shop_pdf.h"

#include <QBuffer>
#include <QByteArray>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <cmath>
#include <memory>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include "qt/qt_painter_canvas.h"
#include "qt/qt_text.h"
#include "render/print_shop_drawing.h"
#include "text/file_path.h"
#include "text/staged_file.h"

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

// Qt draws the page into memory; false when it could not.
bool drawPage(RenderContext& context, QBuffer& buffer, const PrintShopPage& page,
              const PrintShopSettings& settings) {
  QPdfWriter writer(&buffer);
  writer.setResolution(page.dpi);
  writer.setPageLayout(pageLayoutAround(page));
  writer.setCreator(QStringLiteral("Orvane"));
  QPainterCanvas canvas(writer);
  if (!canvas.painter().isActive()) return false;
  // Qt writes pictures as JPEG otherwise: the pattern and the icon keep their exact colours.
  canvas.painter().setRenderHint(QPainter::LosslessImageRendering);
  drawPrintShopPage(context, canvas, page, settings);
  return canvas.painter().end();
}

// A rectangle of page dots as a PDF box, on a page `height` points high: PDF measures upwards from the
// page's bottom edge.
QPDFObjectHandle pdfBox(const Rect& rect, int dpi, double height) {
  const auto number = [](double value) { return QPDFObjectHandle::newReal(value, boxDecimals); };
  return QPDFObjectHandle::newArray(std::vector<QPDFObjectHandle>{
      number(pointsFromDots(rect.left, dpi)), number(height - pointsFromDots(rect.bottom, dpi)),
      number(pointsFromDots(rect.right, dpi)), number(height - pointsFromDots(rect.top, dpi))});
}

// The PDF that Qt wrote, with its media, bleed and trim boxes set.
std::string withPageBoxes(const QByteArray& drawn, const PrintShopPage& page) {
  QPDF pdf;
  pdf.processMemoryFile("print-shop page", drawn.constData(), static_cast<std::size_t>(drawn.size()));
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
  QPDFWriter writer(pdf);
  writer.setOutputMemory();
  // The streams Qt compressed are copied as they are.
  writer.setDecodeLevel(qpdf_dl_none);
  writer.write();
  const std::shared_ptr<Buffer> written = writer.getBufferSharedPointer();
  return {reinterpret_cast<const char*>(written->getBuffer()), written->getSize()};
}

}  // namespace

std::optional<std::string> writePrintShopPdf(RenderContext& context, const std::string& output,
                                             const PrintShopSettings& settings,
                                             const DrawingFailure& failure) {
  const PrintShopPage page = printShopPage(context.card, settings);
  QBuffer drawn;
  drawn.open(QIODevice::WriteOnly);
  if (!drawPage(context, drawn, page, settings)) return "cannot write " + output;
  if (const auto refused = failure ? failure() : std::nullopt) return refused;
  std::string finished;
  try {
    finished = withPageBoxes(drawn.data(), page);
  } catch (const std::exception& problem) {
    return "cannot write " + output + ": " + problem.what();
  }
  const FileStatus written = writeFileReplacing(nativePath(output), finished);
  if (!written.ok()) return "cannot write " + output + ": " + written.error;
  return std::nullopt;
}

}  // namespace orvane
