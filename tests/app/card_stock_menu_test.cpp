// The card stock and the printer calibration driven through the "fichier" menu: the stock chosen is
// kept and gives the sheet its paper and cells, the measures entered in the calibration dialog move
// every card of the next sheet, and the calibration page prints its marks.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>

#include "app/main/calibration_dialog.h"
#include "app/main/language_switch.h"
#include "app_test_main.h"
#include "editor_under_test.h"
#include "support/recording_canvas.h"

using namespace orvane;

class CardStockMenuTest : public QObject {
  Q_OBJECT

  EditorUnderTest session;
  ScriptedPrintDialogs dialogs;
  QTemporaryDir config;

  void start() {
    session.start(1);
    session.editor->printCommands().setPrintDialogs(dialogs);
    CardModel& card = session.editor->card();
    card.cardWidth = 321;  // 85 x 54 mm
    card.cardHeight = 204;
  }
  QMenu* fileMenu() { return session.editor->mainWindow()->menus().file.menu; }
  QAction* item(const char* name) { return fileMenu()->findChild<QAction*>(QString::fromLatin1(name)); }
  QMenu* stockMenu() { return fileMenu()->findChild<QMenu*>(QStringLiteral("mfeuillecartes")); }

  // The dotted outlines of the cards printed so far.
  std::vector<Rect> printedCards() {
    std::vector<Rect> cards;
    for (const CanvasCall& call : session.printers->pageCanvas->callsOf(CanvasCallKind::Outline))
      if (call.penStyle == PenStyle::Dotted) cards.push_back(call.rect);
    return cards;
  }

 private slots:
  // The user's templates are one file whose template is skipped; the system has none.
  void initTestCase() {
    const QString templates = config.path() + QStringLiteral("/Brevanel/Orvane/templates");
    QVERIFY(QDir().mkpath(templates));
    QVERIFY(QFile::copy(QStringLiteral(ORVANE_TEST_DATA "/stock/user/missing.xml"),
                        templates + QStringLiteral("/missing.xml")));
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("ORVANE_SYSTEM_TEMPLATES", "");
  }
  void cleanup() {
    session.stop();
    session.settings.values.clear();
  }

  void theStockChosenIsKeptAndGivesTheSheetItsPaperAndCells() {
    start();
    QVERIFY(stockMenu());
    QCOMPARE(stockMenu()->title(), QStringLiteral("Feuille de cartes"));
    const QList<QAction*> choices = stockMenu()->actions();
    QCOMPARE(choices.size(), 6);
    QCOMPARE(choices[0]->text(), QStringLiteral("A4 3 × 4 (Orvane)"));
    QVERIFY(choices[0]->isChecked());
    choices[1]->trigger();
    QCOMPARE(session.settings.values.at("Feuille de cartes"), std::string("a4-2x5-85x54"));
    QVERIFY(choices[1]->isChecked() && !choices[0]->isChecked());
    QCOMPARE(session.shownTexts().size(), 1);
    QVERIFY(session.shownTexts()[0].endsWith(QStringLiteral("missing.xml : attribut manquant : dy")));
    choices[2]->trigger();
    choices[1]->trigger();
    QCOMPARE(session.shownTexts().size(), 1);  // once per run

    session.editor->shell().state().printerChosen = true;
    item("mimpcouleurs_click")->trigger();
    QCOMPARE(session.printers->jobs.size(), std::size_t{1});
    QCOMPARE(session.printers->jobs[0].paper, (SizeMm{210, 297}));
    QCOMPARE(printedCards().size(), std::size_t{10});

    // The next run starts on the stock chosen.
    session.stop();
    start();
    QVERIFY(stockMenu()->actions()[1]->isChecked());
    QCOMPARE(session.editor->shell().state().cardStock.id, std::string("a4-2x5-85x54"));
  }

  void theMeasuresEnteredMoveEveryCardOfThePrinter() {
    start();
    session.printers->printerName = "Laser";
    session.editor->printCommands().chooseCardStock("a4-2x4-85x54");
    session.editor->mainWindow()->languageSwitch().anglais1Click();
    emit fileMenu()->aboutToShow();
    QCOMPARE(item("mcalibrage_click")->text(), QStringLiteral("Printer calibration..."));
    item("mimpcouleurs_click")->trigger();
    const std::vector<Rect> before = printedCards();
    QCOMPARE(before.size(), std::size_t{8});

    session.editor->printCommands().setMeasuresDialog([] { return CalibrationMeasures{18, 21.5, 150, 150}; });
    item("mcalibrage_click")->trigger();
    QCOMPARE(session.settings.values.at("Calibrage Laser"), std::string("2 ; -1.5 ; 100"));
    QVERIFY(session.shownTexts().last().startsWith(QStringLiteral("Calibration stored")));
    session.printers->pageCanvas->calls.clear();
    item("mimpcouleurs_click")->trigger();
    const std::vector<Rect> after = printedCards();
    QCOMPARE(after.size(), before.size());
    for (std::size_t index = 0; index < after.size(); ++index) {
      // 2 mm and -1.5 mm at 600 dots per inch, within the dot each position rounds to.
      QVERIFY(std::abs(after[index].left - before[index].left - 2 * 600 / 25.4) <= 1);
      QVERIFY(std::abs(after[index].top - before[index].top + 1.5 * 600 / 25.4) <= 1);
    }
  }

  void theCalibrationPagePrintsOnTheStocksPaperAndTheDialogTakesTheMeasures() {
    start();
    session.editor->printCommands().chooseCardStock("letter-2x5-3.5x2in");
    item("mpagecalibrage_click")->trigger();
    QCOMPARE(session.printers->jobs.size(), std::size_t{1});
    QCOMPARE(session.printers->jobs[0].paper, (SizeMm{215.9, 279.4}));
    QVERIFY(session.printers->pageCanvas->callsOf(CanvasCallKind::Fill).size() > 300);  // marks and ticks

    QTimer::singleShot(0, [] {
      for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(window);
        if (!dialog || dialog->objectName() != QStringLiteral("calibrationDialog")) continue;
        dialog->findChild<QDoubleSpinBox*>(QStringLiteral("crossLeft"))->setValue(19.5);
        dialog->findChild<QDoubleSpinBox*>(QStringLiteral("verticalRuler"))->setValue(151);
        dialog->accept();
      }
    });
    const std::optional<CalibrationMeasures> measures = askCalibrationMeasures(nullptr, Language::French);
    QVERIFY(measures);
    QCOMPARE(measures->crossLeftMm, 19.5);
    QCOMPARE(measures->crossTopMm, 20.0);
    QCOMPARE(measures->horizontalRulerMm, 150.0);
    QCOMPARE(measures->verticalRulerMm, 151.0);
  }
};

ORVANE_APP_TEST_MAIN(CardStockMenuTest)
#include "card_stock_menu_test.moc"
