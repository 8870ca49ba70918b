// The Qt side of the card drawing: the painter canvas on images, pictures read from files, and the
// PDF printer's measurements.
#include <QAbstractTextDocumentLayout>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>

#include "app_test_main.h"
#include "qt/pdf_printer.h"
#include "qt/qt_image.h"
#include "qt/qt_painter_canvas.h"
#include "qt/qt_picture_service.h"
#include "qt/qt_printer_service.h"
#include "qt/rich_text_document.h"
#include "render/frame_lines.h"
#include "render/line_layout.h"
#include "text/rounding.h"

using namespace orvane;

namespace {

constexpr Colour cardColour = 0xF0C0CD;
constexpr Pixel black = 0xFF000000u;
constexpr Pixel white = 0xFFFFFFFFu;

Image checkerBrush() {
  Image brush(2, 2, black);
  brush.setPixel(1, 0, white);
  brush.setPixel(0, 1, white);
  return brush;
}

// The lines a frame `width` pixels wide shows on screen, blanks hanging at a break left out.
QStringList screenLines(const RichText& text, int width) {
  // A screen of 96 pixels per inch whatever the machine's own.
  QImage screen(1, 1, QImage::Format_ARGB32);
  screen.setDotsPerMeterX(3780);
  screen.setDotsPerMeterY(3780);
  QTextDocument document;
  document.documentLayout()->setPaintDevice(&screen);
  setFrameLayout(document, 96);
  fillDocument(document, text);
  document.setTextWidth(width);
  document.size();  // lays the whole document out
  QStringList lines;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const QTextLayout* layout = block.layout();
    for (int index = 0; index < layout->lineCount(); ++index) {
      const QTextLine line = layout->lineAt(index);
      QString shown = block.text().mid(line.textStart(), line.textLength());
      if (index + 1 < layout->lineCount())
        while (shown.endsWith(u' ') || shown.endsWith(u'\t')) shown.chop(1);
      lines << shown;
    }
  }
  return lines;
}

// The lines the sheet prints for a frame `width` pixels wide, on a page `ratio` times finer.
QStringList printedLines(const RichText& text, int width, Canvas& canvas, double ratio) {
  const int wrap = roundToInt(ratio * width) - roundToInt(ratio * frameTextInsetLeft) -
                   roundToInt(ratio * frameTextInsetRight);
  QStringList lines;
  for (const FrameLine& line : frameLines(text, wrap, roundToInt(ratio * tabStopDistance(96)), canvas, false))
    lines << QString::fromStdString(line.text);
  return lines;
}

}  // namespace

class QtCanvasTest : public QObject {
  Q_OBJECT

 private slots:
  void aCanvasOnACoreImagePaintsIntoItsPixels() {
    QtPictureService pictures;
    Image card(20, 10, opaquePixel(cardColour));
    {
      const auto canvas = pictures.canvasOn(card);
      QVERIFY(canvas->fillRectangle({2, 2, 6, 5}, 0x0000FF));
      QVERIFY(canvas->outlineRectangle({10, 1, 15, 6}, {0x00FF00, PenStyle::Solid}));
    }
    QCOMPARE(card.pixel(2, 2), opaquePixel(0x0000FF));
    QCOMPARE(card.pixel(5, 4), opaquePixel(0x0000FF));
    QCOMPARE(card.pixel(6, 4), opaquePixel(cardColour));
    // The outline runs along the inside of the rectangle: its last column and row are 14 and 5.
    QCOMPARE(card.pixel(10, 1), opaquePixel(0x00FF00));
    QCOMPARE(card.pixel(14, 5), opaquePixel(0x00FF00));
    QCOMPARE(card.pixel(15, 5), opaquePixel(cardColour));
    QCOMPARE(card.pixel(12, 3), opaquePixel(cardColour));
  }

  void floodFillFillsTheCardColourAndTheCanvasPaintsOnAfterwards() {
    QImage surface(12, 12, QImage::Format_ARGB32);
    surface.fill(QColor(0xCD, 0xC0, 0xF0));
    QPainterCanvas canvas(surface);
    QVERIFY(canvas.fillRectangle({0, 6, 12, 7}, 0x000000));  // a wall across the card
    QVERIFY(canvas.floodFill({1, 1}, cardColour, checkerBrush(), {}));
    QVERIFY(canvas.fillRectangle({11, 11, 12, 12}, 0xFFFFFF));
    canvas.painter().end();
    QCOMPARE(surface.pixel(0, 0), black);
    QCOMPARE(surface.pixel(1, 0), white);
    QCOMPARE(surface.pixel(3, 4), white);
    QCOMPARE(surface.pixel(0, 8), opaquePixel(cardColour));  // below the wall
    QCOMPARE(surface.pixel(11, 11), white);
  }

  void aTiledBrushStartsAtItsOriginAndKeepsItsScale() {
    Image page(40, 40, white);
    QtPictureService pictures;
    QVERIFY(
        pictures.canvasOn(page)->fillRectangleWithBrush({10, 10, 30, 30}, checkerBrush(), {{10, 10}, 3, 3}));
    QCOMPARE(page.pixel(10, 10), black);
    QCOMPARE(page.pixel(12, 12), black);
    QCOMPARE(page.pixel(13, 10), white);
    QCOMPARE(page.pixel(16, 16), black);
    QCOMPARE(page.pixel(9, 9), white);  // outside the rectangle
  }

  void aTextLineIsCutAtTheRightEdge() {
    Image surface(200, 40, white);
    QtPictureService pictures;
    const FontSpec font{"Arial", 12, {}, 0};
    const std::string longLine = "Une ligne bien plus longue que son cadre";
    const auto canvas = pictures.canvasOn(surface);
    QVERIFY(canvas->measureText(longLine, font).width > 60);
    QVERIFY(canvas->drawTextLine({0, 0, 60, 30}, longLine, font, TextAlignment::Left));
    bool inked = false;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 200; ++x) {
        if (surface.pixel(x, y) == white) continue;
        QVERIFY2(x < 60 && y < 30, "ink outside the text rectangle");
        inked = true;
      }
    QVERIFY(inked);
  }

  // The frame on screen and the sheet measure with their own metrics but follow one rule, so that
  // the paper shows the lines the screen shows, tabs at the same stops.
  void aFrameAndThePrintedSheetBreakTheSameLines() {
    const RichText text = RichText::fromPlainText(
        "Anne Martin-Dupuis, graphiste indépendante, dessine des cartes de visite et des affiches pour "
        "les artisans de Lyon depuis 2009.\nTél.\t04 78 12 34 56\nanne.martin-dupuis@exemple-de-domaine.fr",
        {"Arial", 9, {}, 0});
    QTemporaryDir folder;
    const auto printer =
        makePdfPrinter(folder.filePath(QStringLiteral("sheet.pdf")), 600, QPageLayout::Portrait);
    QPainterCanvas paper(*printer);
    for (int width : {120, 200}) {
      const QStringList shown = screenLines(text, width);
      QVERIFY2(shown.size() > 3, "the paragraph is wrapped on screen");
      QCOMPARE(printedLines(text, width, paper, 600 / 96.0), shown);
    }

    QTextDocument frame;
    setFrameLayout(frame, 96);
    fillDocument(frame, RichText::fromPlainText("Nom\tDupont", {"Arial", 9, {}, 0}));
    frame.size();
    const QTextFrameFormat margins = frame.rootFrame()->frameFormat();
    QCOMPARE(margins.leftMargin(), frameTextInsetLeft);
    QCOMPARE(margins.rightMargin(), frameTextInsetRight);
    QCOMPARE(frame.begin().layout()->lineAt(0).cursorToX(4), 48.0);
  }

  void bitmapsAndIconsAreReadAtTheirOwnSize() {
    QTemporaryDir folder;
    QImage pattern(16, 8, QImage::Format_RGB32);
    pattern.fill(QColor(10, 20, 30));
    QVERIFY(pattern.save(folder.filePath(QStringLiteral("motif.bmp")), "BMP"));
    QImage icon(24, 24, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QVERIFY(icon.save(folder.filePath(QStringLiteral("logo.ico")), "ICO"));

    QtPictureService pictures;
    const auto bitmap = pictures.readBitmap(folder.filePath(QStringLiteral("motif.bmp")).toStdString());
    QVERIFY(bitmap);
    QCOMPARE(bitmap->width(), 16);
    QCOMPARE(bitmap->pixel(3, 3), opaquePixel(rgb(10, 20, 30)));
    const auto read = pictures.readIcon(folder.filePath(QStringLiteral("logo.ico")).toStdString());
    QVERIFY(read);
    QCOMPARE(read->height(), 24);
    QCOMPARE(read->pixel(0, 0) >> 24, 0u);
    QVERIFY(!pictures.readBitmap(folder.filePath(QStringLiteral("absent.bmp")).toStdString()));
    // A path in the form the card files keep is read on every system.
    const std::string windowsForm = (folder.path() + QStringLiteral("\\motif.bmp")).toStdString();
    QVERIFY(pictures.readBitmap(windowsForm));
  }

  void thePdfPrinterIsAnA4SheetPrintableToItsEdges() {
    QTemporaryDir folder;
    const auto printer =
        makePdfPrinter(folder.filePath(QStringLiteral("sheet.pdf")), 600, QPageLayout::Portrait);
    const PrinterMeasurements measures = measurePrinter(*printer);
    QCOMPARE(measures.resolution.horizontal, 600);
    QCOMPARE(measures.resolution.vertical, 600);
    // 210 x 297 mm, as the page size in whole points gives it.
    QVERIFY(qAbs(measures.pageWidth - 4961) <= 4);
    QVERIFY(qAbs(measures.pageHeight - 7016) <= 4);
    QCOMPARE(measures.offsetX, 0);
    QCOMPARE(measures.printableWidthMm, 210);

    const auto landscape =
        makePdfPrinter(folder.filePath(QStringLiteral("wide.pdf")), 300, QPageLayout::Landscape);
    const PrinterMeasurements wide = measurePrinter(*landscape);
    QVERIFY(wide.pageWidth > wide.pageHeight);
    QCOMPARE(wide.printableHeightMm, 210);
  }
};

ORVANE_APP_TEST_MAIN(QtCanvasTest)
#include "qt_canvas_test.moc"
