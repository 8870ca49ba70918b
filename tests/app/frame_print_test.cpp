// What a card frame shows is what the sheet prints: the lines the frame widget itself displays, word
// for word, at their places scaled to the printer, whatever the frame's width, font and size and the
// printer's resolution.
#include <QAbstractTextDocumentLayout>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <cmath>

#include "app/tform1.h"
#include "app_test_main.h"
#include "editor_under_test.h"
#include "pdf_words.h"
#include "qt/card_sheet_pdf.h"

using namespace orvane;

namespace {

// A word as the frame widget shows it: its left end and its baseline, in pixels from the card's corner.
struct ShownWord {
  QString text;
  double x = 0;
  double baseline = 0;
};

QList<ShownWord> shownWords(const QTextEdit& frame) {
  QList<ShownWord> words;
  const QTextDocument& document = *frame.document();
  document.documentLayout()->documentSize();
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const QTextLayout& layout = *block.layout();
    const QString text = block.text();
    for (int index = 0; index < layout.lineCount(); ++index) {
      const QTextLine line = layout.lineAt(index);
      const double baseline = frame.y() + layout.position().y() + line.y() + line.ascent();
      const int end = line.textStart() + line.textLength();
      for (int start = line.textStart(); start < end;) {
        if (text[start].isSpace()) {
          ++start;
          continue;
        }
        int stop = start;
        while (stop < end && !text[stop].isSpace()) ++stop;
        words << ShownWord{text.mid(start, stop - start),
                           frame.x() + layout.position().x() + line.cursorToX(start), baseline};
        start = stop;
      }
    }
  }
  return words;
}

// The frame's text: a bold header line, a long body paragraph, a tabbed line and a short last line.
RichText cardText(const FontSpec& body) {
  RichText text = RichText::fromPlainText(
      "Marqueterie ZEPHYRIN\nAteliers anciens marqueterie et dorure finale ZEPHYRIN, restauration de "
      "meubles d'époque et anticonstitutionnellement\nTél.\t04 78 12 34 56\nÉbéniste d'art",
      body);
  FontSpec header = body;
  header.style.bold = true;
  text.applyFormat(0, 20, header);
  return text;
}

}  // namespace

class FramePrintTest : public QObject {
  Q_OBJECT

  EditorUnderTest session;

 private slots:
  void init() { session.start(1); }
  void cleanup() { session.stop(); }

  void theSheetPrintsTheLinesTheFrameShowsAtTheirScaledPlaces() {
    TForm1& window = session.editor->cardWindow();
    CardModel& card = window.card();
    card.cardWidth = 290;
    card.cardHeight = 1000;
    card.frame(2).text = RichText();
    FrameModel& frame = card.frame(1);
    frame.frameLeft = 14;
    frame.frameTop = 10;
    frame.frameHeight = 980;
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("sheet.pdf"));
    for (const FontSpec& font : {FontSpec{"Arial", 11, {}, 0}, FontSpec{"Times New Roman", 9, {}, 0},
                                 FontSpec{"Arial Narrow", 14, {}, 0}}) {
      for (int width : {50, 90, 130, 165, 200, 260}) {
        frame.frameWidth = width;
        frame.text = cardText(font);
        window.showModel();
        QCoreApplication::processEvents();
        const QTextEdit& edit = *window.frameEdit(1);
        QCOMPARE(edit.viewport()->width(), width);
        const QList<ShownWord> shown = shownWords(edit);
        QVERIFY(shown.size() >= 22);
        QVERIFY(edit.document()->size().height() < frame.frameHeight);  // the frame shows every line
        for (int dpi : {300, 600}) {
          RenderContext context = window.renderContext();
          CardSheetPdf sheet;
          sheet.output = pdf.toStdString();
          sheet.dpi = dpi;
          sheet.screenResolution = window.logicalDpiY();
          sheet.testPrint = true;
          QVERIFY(!writeCardSheetPdf(context, sheet));
          QList<PdfWord> printed = pdfWords(pdf);
          printed.removeIf([](const PdfWord& word) { return word.yMin > 780; });  // the footer
          const QString where = QStringLiteral("%1 %2 pt, %3 px, %4 dpi")
                                    .arg(QString::fromStdString(font.name))
                                    .arg(font.size)
                                    .arg(width)
                                    .arg(dpi);
          QCOMPARE(printed.size(), shown.size());
          // Points per screen pixel; the card's corner on the page from the first word's place.
          const double scale = 72.0 / window.logicalDpiY();
          const double left = printed[0].xMin - scale * shown[0].x;
          const double base = printed[0].yMax - scale * shown[0].baseline;
          for (qsizetype index = 0; index < shown.size(); ++index) {
            const ShownWord& expected = shown[index];
            const PdfWord& found = printed[index];
            QVERIFY2(found.text == expected.text, qPrintable(where + QStringLiteral(": ") + found.text +
                                                             QStringLiteral(" for ") + expected.text));
            QVERIFY2(std::abs(found.xMin - left - scale * expected.x) < scale,
                     qPrintable(where + expected.text));
            QVERIFY2(std::abs(found.yMax - base - scale * expected.baseline) < scale,
                     qPrintable(where + expected.text));
          }
        }
      }
    }
  }
};

ORVANE_APP_TEST_MAIN(FramePrintTest)
#include "frame_print_test.moc"
