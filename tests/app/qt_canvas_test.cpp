// The Qt side of the card drawing: the painter canvas on images, pictures read from files, and the
// PDF printer's measurements.
#include <QAbstractTextDocumentLayout>
#include <QPrinter>
#include <QProcess>
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
#include "render/pattern_drawing.h"
#include "support/scripted_services.h"
#include "text/line_layout.h"
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

  void theBackgroundUnderAPartOfTheCardIsTheBackgroundCopysWithinAndBeyondTheCard() {
    CardModel card;
    card.cardWidth = 40;
    card.cardHeight = 30;
    card.cardColor = cardColour;
    card.patternFile = "motif.bmp";
    RendererState state;
    state.patternBitmap = checkerBrush();
    state.patternBitmap->setPixel(1, 1, 0x80FF0000u);  // half transparent, laid over the card colour
    QtPictureService pictures;
    ScriptedPrompter prompter;
    FixedTextMetrics metrics;
    RenderContext context{card, state, prompter, pictures, metrics, Language::French};
    QCOMPARE(patternPlacement(card, 2, 2), PatternPlacement::Tile);
    QVERIFY(refreshBackgroundCopy(context));
    for (const Rect& area : {Rect{3, 5, 27, 21}, Rect{31, 20, 55, 44}, Rect{-5, -3, 10, 10}}) {
      const std::optional<Image> under = backgroundUnder(context, area);
      QVERIFY(under);
      QVERIFY(*under == state.backgroundCopy->cropped(area, opaquePixel(cardColour)));
    }
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

  // Turned to read upwards, the text lies right of where it starts and above it, within a line's height.
  void aPrintedLineIsCutAtItsClipAndALineInsideItIsWhole() {
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("lines.pdf"));
    {
      const auto printer = makePdfPrinter(pdf, 600, QPageLayout::Portrait);
      QPainterCanvas canvas(*printer);
      const FontSpec font{"Arial", 12, {}, 0};
      QVERIFY(canvas.drawTextAt({600, 600}, "Inside", font, 100, 0, {500, 450, 2500, 750}));
      QVERIFY(canvas.drawTextAt({600, 1200}, "Cut at the edge of its frame", font, 100, 0,
                                {500, 1050, 1200, 1350}));
    }
    // Read back at 72 dots per inch: 0.12 pixel per printer dot.
    QProcess poppler;
    poppler.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-gray"),
                   QStringLiteral("-singlefile"), pdf, folder.filePath(QStringLiteral("page"))});
    QVERIFY(poppler.waitForFinished(60000) && poppler.exitCode() == 0);
    const QImage page(folder.filePath(QStringLiteral("page.pgm")));
    QVERIFY(!page.isNull());
    const auto inked = [&](int left, int top, int right, int bottom) {
      for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
          if (qGray(page.pixel(x, y)) < 128) return true;
      return false;
    };
    QVERIFY(inked(72, 54, 300, 90));
    QVERIFY(inked(72, 126, 144, 162));
    QVERIFY2(!inked(146, 120, 500, 170), "ink beyond the clip's right edge");
  }

  void anUpwardTextLiesRightOfItsStart() {
    Image surface(60, 200, white);
    QtPictureService pictures;
    const FontSpec font{"Times New Roman", 12, {}, 0};
    const auto canvas = pictures.canvasOn(surface);
    const int lineHeight = canvas->measureText("Orvane", font).height;
    QVERIFY(canvas->drawUpwardText({20, 180}, "Orvane", font));
    bool inked = false;
    for (int y = 0; y < 200; ++y)
      for (int x = 0; x < 60; ++x) {
        if (surface.pixel(x, y) == white) continue;
        QVERIFY2(x >= 20 && x < 20 + lineHeight && y < 180, "ink outside the text's cell");
        inked = true;
      }
    QVERIFY(inked);
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
