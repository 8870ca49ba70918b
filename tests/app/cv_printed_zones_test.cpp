// What the mini-CV editor shows is what its page prints, and what it shows is whole: the lines each
// zone widget displays come back from the printed PDF, word by word, at their scaled places, at two
// resolutions and in both orientations; every zone shows all its lines and every label its caption.
#include <QCheckBox>
#include <QLabel>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>
#include <cmath>

#include "app_test_main.h"
#include "editor_under_test.h"
#include "minicv/zone_layout.h"
#include "pdf_words.h"
#include "qt/pdf_printer.h"
#include "qt/qt_painter_canvas.h"
#include "qt/qt_picture_service.h"
#include "qt/qt_printer_service.h"
#include "qt/qt_text_metrics.h"
#include "qt/rich_text_document.h"
#include "render/sheet_layout.h"
#include "shell/cv_print_commands.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_input_query.h"

using namespace orvane;

namespace {

// Tabs line the columns up, zone 1 wraps a long line, zone 3 carries descenders ("projet"), zone 4 is
// one line.
const char* const zoneTexts[minicv::zoneCount] = {
    "Langue :\tniveau :\nanglais\tcourant, lu et écrit\nallemand\tnotions scolaires\nespagnol\tparlé "
    "couramment, lu et écrit, pratiqué lors de séjours professionnels à Madrid et à "
    "Séville",
    "INTITULE\tDATES\tQUALIFICATION\nGestion de projet\t2019\tcertificat\nComptabilité\t2021\tdiplôme",
    "SOCIETE\tDATES\tPOSTE\nLumen\t2020\tchef de projet\nAtelier Brevanel\t2017\tcomptable junior",
    "randonnée, piano, typographie",
};

}  // namespace

class CvPrintedZonesTest : public QObject {
  Q_OBJECT

  EditorUnderTest session;
  ScriptedFileDialogs files;
  ScriptedDialogs colours;
  ScriptedInputQuery query;
  QTemporaryDir folder;

  TForm7& cv() { return *session.editor->miniCvCommands().editor(); }
  minicv::CvSheet& sheet() { return cv().sheet(); }
  QTextEdit* zone(int number) {
    return qobject_cast<QTextEdit*>(cv().widgets().widget(minicv::zoneNames(number).text));
  }

  void openEditor() {
    session.start(1);
    session.editor->miniCvCommands().setDialogs({&files, &colours, &query});
    session.editor->mainWindow()->menus().miniCv.edit->trigger();
    QVERIFY(session.editor->miniCvCommands().editor());
  }

  // Types `text` over zone `number`'s text, as the user would.
  void typeInto(int number, const QString& text) {
    QTextCursor cursor(zone(number)->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
  }

  void fillTheZones() {
    for (int number = 1; number <= minicv::zoneCount; ++number)
      typeInto(number, QString::fromUtf8(zoneTexts[number - 1]));
  }

  // Prints the page into a PDF at `dpi` and finds there every word of every line the zones display.
  void checkPrintedZones(int dpi, bool portrait) {
    chooseCvOrientation(sheet(), portrait ? 1 : 0);
    const QString path = folder.filePath(QStringLiteral("cv-%1-%2.pdf").arg(dpi).arg(portrait));
    const int screenResolution = sheet().state.screenResolution;
    PrinterMeasurements printer;
    {
      auto pdf = makePdfPrinter(path, dpi, portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
      printer = measurePrinter(*pdf);
      QPainterCanvas canvas(*pdf);
      QtPictureService pictures;
      QtTextMetrics metrics;
      CvPrintSources sources{
          sheet(), pictures, metrics, screenResolution, [] { return std::string("07/12/2026"); }, {}};
      drawCvPrintPage(sources, canvas, printer, PrintMode::InColour, *session.prompter);
    }
    QList<PdfWord> words = pdfWords(path);
    words.removeIf([](const PdfWord& word) { return word.page != 1; });
    QVERIFY2(!words.isEmpty(), "pdftotext found no words");

    const PageMargins margins =
        computePageMargins(printer, printRatios(printer.resolution, screenResolution), screenResolution);
    const double k = cvPageScale(printer, margins.leftOffset, cvPageSlots(0, portrait).slotCount);
    const double pointsPerDot = 72.0 / dpi;
    const double tolerance = k * pointsPerDot * 1.5;  // a screen pixel and a half, scaled
    for (int number = 1; number <= minicv::zoneCount; ++number) {
      const minicv::ControlId id = sheet().tree.find(minicv::zoneNames(number).text);
      const Point origin = cvSheetOrigin(sheet().tree, id);
      const double left = (std::round(k * origin.x) + margins.leftOffset) * pointsPerDot;
      const double top = (std::round(k * origin.y) + margins.topOffset) * pointsPerDot;
      const double right = left + k * sheet().tree.at(id).width * pointsPerDot;
      const std::vector<DisplayLine> lines = displayLinesOf(*zone(number)->document());
      for (const DisplayLine& line : lines) {
        const double lineTop = top + k * line.top * pointsPerDot;
        const double lineBottom = top + k * (line.top + line.height) * pointsPerDot;
        auto onTheLine = [&](const PdfWord& word) {
          return word.yMin > lineTop - tolerance && word.yMax < lineBottom + tolerance;
        };
        for (const TextPiece& piece : line.pieces) {
          const QStringList pieceWords =
              QString::fromStdString(piece.text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
          // The piece's first word starts at the piece's scaled place, the others follow it.
          const double start = left + k * piece.x * pointsPerDot;
          double previous = start - tolerance;
          for (qsizetype index = 0; index < pieceWords.size(); ++index) {
            // The nearest such word after the one before: the other copies print the same words.
            const PdfWord* found = nullptr;
            for (const PdfWord& word : words) {
              const bool placed = index == 0 ? std::abs(word.xMin - start) <= tolerance
                                             : word.xMin > previous && word.xMin < right;
              if (word.text == pieceWords[index] && onTheLine(word) && placed &&
                  (!found || word.xMin < found->xMin))
                found = &word;
            }
            const QString where = QStringLiteral("%1 dpi %2: zone %3 word \"%4\"")
                                      .arg(dpi)
                                      .arg(QLatin1String(portrait ? "portrait" : "landscape"))
                                      .arg(number)
                                      .arg(pieceWords[index]);
            QVERIFY2(found, qPrintable(where));
            previous = found->xMin;
          }
        }
      }
    }
  }

 private slots:
  void cleanup() { session.stop(); }

  void everyZoneShowsAllItsLinesWhole() {
    openEditor();
    fillTheZones();
    for (int number = 1; number <= minicv::zoneCount; ++number) {
      QTextEdit* shown = zone(number);
      const std::vector<DisplayLine> lines = displayLinesOf(*shown->document());
      QVERIFY(!lines.empty());
      QCOMPARE(shown->verticalScrollBar()->maximum(), 0);
      QVERIFY(!shown->verticalScrollBar()->isVisible());
      QVERIFY(lines.back().top + lines.back().height <= shown->viewport()->height());
    }
  }

  void theZonesPrintTheLinesTheyShowAtTheirScaledPlaces() {
    openEditor();
    fillTheZones();
    QVERIFY(displayLinesOf(*zone(1)->document()).size() > 4);  // the long line wraps on the screen
    for (int dpi : {300, 600})
      for (bool portrait : {true, false}) checkPrintedZones(dpi, portrait);
  }

  void everyLabelShowsItsWholeCaptionInEveryLanguage() {
    openEditor();
    for (Language language : {Language::French, Language::English, Language::German}) {
      cv().changeLanguage(language);
      for (QLabel* label : cv().findChildren<QLabel*>()) {
        const minicv::ControlId id = sheet().tree.find(label->objectName().toStdString());
        if (id == minicv::noControl || sheet().tree.at(id).kind != minicv::ControlKind::Label) continue;
        if (!label->isVisibleTo(&cv()) || label->text().isEmpty()) continue;
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(needed <= label->contentsRect().width(),
                 qPrintable(label->objectName() + QStringLiteral(": ") + label->text()));
      }
      // The element boxes too: each has the room its caption asks for.
      for (QCheckBox* box : cv().widgets().widget("GroupBox31")->findChildren<QCheckBox*>())
        QVERIFY2(box->sizeHint().width() <= box->width(),
                 qPrintable(box->objectName() + QStringLiteral(": ") + box->text()));
    }
  }
};

ORVANE_APP_TEST_MAIN(CvPrintedZonesTest)
#include "cv_printed_zones_test.moc"
