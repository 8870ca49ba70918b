// The print commands driven through their menu items: the printer setup enables printing, each copy
// is a page of the card's sheet, the test print says when there is no printer, and the audit reports
// on the card the window shows.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>

#include "app_test_main.h"
#include "editor_under_test.h"
#include "support/recording_canvas.h"

using namespace orvane;

class PrintCommandsTest : public QObject {
  Q_OBJECT

  EditorUnderTest session;
  ScriptedPrintDialogs dialogs;

  void start(int printerCount) {
    session.start(printerCount);
    session.editor->printCommands().setPrintDialogs(dialogs);
  }
  const PopupMenus& menus() { return session.editor->mainWindow()->menus(); }
  CardModel& card() { return session.editor->card(); }

 private slots:
  void init() { dialogs = ScriptedPrintDialogs(); }
  void cleanup() { session.stop(); }

  void thePrinterSetupReportsThePrinterAndEnablesPrinting() {
    start(2);
    QVERIFY(!menus().file.printColour->isEnabled());
    menus().file.printerSetup->trigger();
    QCOMPARE(dialogs.setupDialogs, 1);
    QCOMPARE(session.prompter->shown.size(), std::size_t{1});
    QVERIFY(session.shownTexts().at(0).startsWith(
        QStringLiteral("l'imprimante actuellement sélectionnée a un espace imprimable (en mm) de : ")));
    QVERIFY(menus().file.printColour->isEnabled());
    QVERIFY(menus().file.printBlackWhite->isEnabled());
  }

  void eachCopyIsAPageOfTheWholeSheet() {
    start(1);
    card().frame(1).text = RichText::fromPlainText("Jeanne");
    session.editor->cardWindow().showModel();
    dialogs.copies = 2;
    menus().file.printBlackWhite->trigger();
    QCOMPARE(session.printers->jobs.size(), std::size_t{1});
    QCOMPARE(session.printers->jobs[0].pages, 2);
    int cards = 0;
    for (const CanvasCall& call : session.printers->pageCanvas->callsOf(CanvasCallKind::TextAt)) {
      if (call.text == "Jeanne") ++cards;
      QCOMPARE(call.colour, Colour{0});  // black and white
    }
    QCOMPARE(cards, 2 * 12);
    QVERIFY(session.shownTexts().isEmpty());
  }

  void theTestPrintWithoutAPrinterSaysSo() {
    start(0);
    const QString noPrinter = QStringLiteral(
        "Aucune imprimante définie, vous ne pourrez pas lancer d'impression - Avertissement 10");
    QCOMPARE(session.shownTexts(), QStringList{noPrinter});  // told at start
    menus().control.testPrint->trigger();
    QCOMPARE(session.shownTexts(),
             (QStringList{noPrinter, QStringLiteral("Voulez-vous faire un test d'impression en couleur ?"),
                          noPrinter}));
    QCOMPARE(dialogs.printDialogs, 0);
    QVERIFY(session.printers->jobs.empty());
  }

  void theAuditReportsOnTheCardShown() {
    start(1);
    QVERIFY(!menus().control.audit->isEnabled());  // until something is loaded
    FontSpec smaller = RichText::defaultFormat();
    smaller.size = 8;
    card().frame(1).text = RichText::fromPlainText(" Jeanne Martin");
    card().frame(2).text = RichText(smaller);
    session.editor->shell().state().anythingLoaded = true;
    session.editor->mainWindow()->updateCommandStates();
    menus().control.audit->trigger();
    QCOMPARE(session.shownTexts(), QStringList{QStringLiteral(
                                       "le texte du cadre1 contient :2 espaces dont : 1 espaces avant et : 0 "
                                       "espaces arrière. Ceci peut entrainer un mauvais alignement à "
                                       "l'impression.")});
  }

  void theAuditMeasuresTheIconAtItsFilesOwnSize() {
    QDir::setCurrent(QStringLiteral(ORVANE_TEST_DATA "/render"));
    session.start(1, ORVANE_TEST_DATA "/render/carte.ov1");
    // The card file says 4 pixels; the .ico is 24 wide and reaches over frame 1, which starts at 30.
    card().iconLeft = 20;
    card().iconWidth = 4;
    menus().control.audit->trigger();
    QVERIFY(session.shownTexts().filter(QStringLiteral("Avertissement 310")).size() == 1);
    QCOMPARE(card().iconWidth, 24);
    QCOMPARE(session.editor->cardWindow().iconLabel()->width(), 24);
  }

  void theCardWindowShowsTheIconTheAuditReadAfresh() {
    QTemporaryDir folder;
    for (const char* name : {"carte.ov1", "logo.ico", "motif.bmp"})
      QVERIFY(QFile::copy(QStringLiteral(ORVANE_TEST_DATA "/render/") + name, folder.filePath(name)));
    const QString previousFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());
    session.start(1, folder.filePath(QStringLiteral("carte.ov1")).toStdString());
    // The icon file gives way to a larger one while the card shows the former.
    QImage larger(48, 48, QImage::Format_ARGB32);
    larger.fill(Qt::darkGreen);
    QVERIFY(larger.save(folder.filePath(QStringLiteral("logo.ico")), "ICO"));
    menus().control.audit->trigger();
    QDir::setCurrent(previousFolder);
    QCOMPARE(card().iconWidth, 48);
    const QLabel* icon = session.editor->cardWindow().iconLabel();
    QCOMPARE(icon->width(), 48);
    QCOMPARE(icon->pixmap().size(), QSize(48, 48));
  }
};

ORVANE_APP_TEST_MAIN(PrintCommandsTest)
#include "print_commands_test.moc"
