// The "fichier" panel's card file commands driven through their menu items: a card saved in one
// editor loads back the same in another, and the card sheet and the team's cards go to PDF files; the
// team's cards go to the printer too.
#include "shell/card_file_commands.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

#include "app_test_main.h"
#include "catalogue/catalogue.h"
#include "editor_under_test.h"
#include "qt/qt_file_dialogs.h"
#include "shell/card_merge_export.h"
#include "stock/stock_layout.h"
#include "support/scripted_file_dialogs.h"

using namespace orvane;

class CardFileCommandsTest : public QObject {
  Q_OBJECT

  EditorUnderTest session;
  ScriptedFileDialogs dialogs;
  QTemporaryDir folder;

  void start(int printerCount = 1, const std::string& path = {}) {
    session.start(printerCount, path);
    session.editor->cardFileCommands().setFileDialogs(dialogs);
  }
  TForm2& main() { return *session.editor->mainWindow(); }
  CardModel& card() { return session.editor->card(); }
  std::string file(const QString& name) { return folder.filePath(name).toStdString(); }
  // The team's rows in equipe.csv; its path, empty when it could not be written.
  std::string teamFile(const QByteArray& rows) {
    const std::string path = file(QStringLiteral("equipe.csv"));
    QFile csv(QString::fromStdString(path));
    return csv.open(QIODevice::WriteOnly) && csv.write(rows) == rows.size() ? path : std::string();
  }

 private slots:
  void init() {
    QVERIFY(folder.isValid());
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("element")));
    dialogs = ScriptedFileDialogs();
  }
  void cleanup() {
    session.stop();
    session.settings.values.clear();  // the card stock chosen, among others
  }

  void aCardSavedFromTheMenuLoadsBackTheSameInANewEditor() {
    start();
    card().cardWidth += 10;
    card().cardColor = 0x40A0E0;
    card().frame(1).frameWidth -= 6;
    card().frame(1).frameColor = 0x102030;
    card().frame(2).frameTop += 4;
    card().frame(2).frameAlignment = 2;
    card().frame(1).text = RichText::fromPlainText("Jeanne Martin\nrelieuse d'art");
    card().frame(2).text = RichText::fromPlainText("12 rue des Lilas");
    session.editor->cardWindow().showModel();
    const CardModel saved = card();
    const std::string path = file(QStringLiteral("carte.ov1"));
    dialogs.choose(path);
    main().menus().file.save->trigger();
    QVERIFY(session.shownTexts().isEmpty());
    QVERIFY(QFile::exists(QString::fromStdString(path)));
    QCOMPARE(QString::fromStdString(dialogs.saveRequests.at(0).title),
             QStringLiteral("définir le fichier paramêtre de la carte : "));

    start();
    dialogs.choose(path);
    main().menus().file.load->trigger();
    QVERIFY(session.shownTexts().isEmpty());
    QCOMPARE(card().cardWidth, saved.cardWidth);
    QCOMPARE(card().cardHeight, saved.cardHeight);
    QCOMPARE(card().cardColor, saved.cardColor);
    for (int number : {1, 2}) {
      const FrameModel& frame = card().frame(number);
      const FrameModel& before = saved.frame(number);
      QCOMPARE(frame.frameWidth, before.frameWidth);
      QCOMPARE(frame.frameHeight, before.frameHeight);
      QCOMPARE(frame.frameTop, before.frameTop);
      QCOMPARE(frame.frameLeft, before.frameLeft);
      QCOMPARE(frame.frameColor, before.frameColor);
      QCOMPARE(frame.frameAlignment, before.frameAlignment);
      QCOMPARE(frame.text.plainText(), before.text.plainText());
    }
    // The window shows what was loaded.
    TForm1& cardWindow = session.editor->cardWindow();
    QCOMPARE(cardWindow.width(), saved.cardWidth);
    QCOMPARE(cardWindow.frameEdit(1)->toPlainText(), QStringLiteral("Jeanne Martin\nrelieuse d'art"));
    QCOMPARE(main().windowTitle(), QString::fromStdString(file(QStringLiteral("carte"))));
    QVERIFY(!main().findChild<QCheckBox*>(QStringLiteral("CheckBox2"))->isEnabled());
    QVERIFY(main().menus().control.audit->isEnabled());
  }

  void aLoadedCardTakesItsTransparencyFromItsOwnFile() {
    start();
    const std::string path = file(QStringLiteral("opaque.ov1"));
    dialogs.choose(path);
    main().menus().file.save->trigger();

    auto* t1 = main().findChild<QCheckBox*>(QStringLiteral("CheckBox2"));
    t1->setChecked(true);
    QVERIFY(card().frame(1).frameTransparent);
    QVERIFY(session.editor->cardWindow().renderer().transparencyComposite);
    dialogs.choose(path);
    main().menus().file.load->trigger();
    QVERIFY(!t1->isChecked());
    QVERIFY(!card().frame(1).frameTransparent);
    QVERIFY(!session.editor->cardWindow().renderer().transparencyComposite);
    QVERIFY(session.editor->cardWindow().frameEdit(1)->isVisible());
  }

  void aPatternThatCannotBeReadDisablesT1AndT2() {
    const QString previousFolder = QDir::currentPath();
    QDir::setCurrent(QStringLiteral(ORVANE_TEST_DATA "/render"));
    start();
    dialogs.choose(ORVANE_TEST_DATA "/render/carte.ov1");
    main().menus().file.load->trigger();
    auto* t1 = main().findChild<QCheckBox*>(QStringLiteral("CheckBox2"));
    auto* t2 = main().findChild<QCheckBox*>(QStringLiteral("CheckBox3"));
    QVERIFY(t1->isEnabled() && t2->isEnabled());

    // The same card where its pattern file is not to be found.
    QVERIFY(QFile::copy(QStringLiteral(ORVANE_TEST_DATA "/render/carte.ov1"),
                        folder.filePath(QStringLiteral("sans motif.ov1"))));
    QVERIFY(QFile::copy(QStringLiteral(ORVANE_TEST_DATA "/render/logo.ico"),
                        folder.filePath(QStringLiteral("logo.ico"))));
    QDir::setCurrent(folder.path());
    dialogs.choose(file(QStringLiteral("sans motif.ov1")));
    main().menus().file.load->trigger();
    QDir::setCurrent(previousFolder);
    QCOMPARE(session.shownTexts(), QStringList{QStringLiteral("fichier :.\\motif.bmp non accessible")});
    QVERIFY(!session.editor->cardWindow().renderer().patternShown);
    QVERIFY(!t1->isEnabled());
    QVERIFY(!t2->isEnabled());

    // A card that records frame 1 transparent over that missing pattern: T1 stays ticked and usable,
    // so that the frame can be made opaque again, which card access needs.
    QFile recorded(folder.filePath(QStringLiteral("sans motif.ov1")));
    QVERIFY(recorded.open(QIODevice::ReadOnly));
    QByteArray bytes = recorded.readAll();
    recorded.close();
    bytes.replace("50 - transparence :0", "50 - transparence :1");
    QVERIFY(recorded.open(QIODevice::WriteOnly | QIODevice::Truncate));
    recorded.write(bytes);
    recorded.close();
    QDir::setCurrent(folder.path());
    dialogs.choose(file(QStringLiteral("sans motif.ov1")));
    main().menus().file.load->trigger();
    QDir::setCurrent(previousFolder);
    QVERIFY(t1->isChecked() && t1->isEnabled());
    QVERIFY(!t2->isEnabled());
    t1->setChecked(false);
    QVERIFY(!card().frame(1).frameTransparent);
    QVERIFY(!t1->isEnabled());
  }

  void aCardFileOpenedAtStartIsTheOneTheSaveProposes() {
    const std::string path = ORVANE_TEST_DATA "/cardfile/carte.ov1";
    start(1, path);
    main().menus().file.save->trigger();
    QCOMPARE(dialogs.saveRequests.at(0).initialName, path);
  }

  void theSheetIsExportedToAPdfWithOrWithoutAPrinter() {
    for (int printers : {0, 1}) {
      start(printers);
      const std::string path = file(QStringLiteral("planche%1.pdf").arg(printers));
      dialogs.choose(path, "pdf");
      main().menus().file.exportPdf->trigger();
      QFile pdf(QString::fromStdString(path));
      QVERIFY(pdf.open(QIODevice::ReadOnly));
      QVERIFY(pdf.read(5) == "%PDF-");
      QCOMPARE(session.shownTexts().last(), QString::fromStdString(pdfWrittenMessage(path)));
      // Nothing is left beside it.
      QCOMPARE(QDir(folder.path()).entryList({QStringLiteral(".orvane-*")}, QDir::Files | QDir::Hidden),
               QStringList());
    }
    // A cancelled dialog writes nothing and says nothing.
    const qsizetype shown = session.shownTexts().size();
    main().menus().file.exportPdf->trigger();
    QCOMPARE(session.shownTexts().size(), shown);
    // A file that cannot be written is told as the editor tells an error it did not expect.
    dialogs.choose(file(QStringLiteral("missing/planche.pdf")), "pdf");
    main().menus().file.exportPdf->trigger();
    QCOMPARE(session.shownTexts().at(shown), QString::fromStdString(catalogue::text(Language::French, 142)));
  }

  void theSheetIsExportedOnTheCardStockChosenOrRefusedBeforeAnythingIsWritten() {
    qputenv("ORVANE_SYSTEM_TEMPLATES", "");  // the shipped stocks only, whatever the machine holds
    start();
    session.editor->printCommands().chooseCardStock("letter-2x5-3.5x2in");
    card().cardWidth = 300;  // 79 x 48 mm: lying, as the stock's cells
    card().cardHeight = 182;
    const std::string letter = file(QStringLiteral("lettre.pdf"));
    dialogs.choose(letter, "pdf");
    main().menus().file.exportPdf->trigger();
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {QString::fromStdString(letter)});
    QVERIFY(pdfinfo.waitForFinished(60000));
    const QByteArray info = pdfinfo.readAllStandardOutput();
    QVERIFY2(info.contains("612 x 792 pts (letter)"), info.constData());
    // A card wider than the stock's cells is refused, for the sheet and for the team's cards alike.
    card().cardWidth = 500;
    const QString refusal = QString::fromStdString(
        *stockRefusal(card(), session.editor->shell().state().cardStock, 96, Language::French));
    const std::string wide = file(QStringLiteral("large.pdf"));
    dialogs.choose(wide, "pdf");
    main().menus().file.exportPdf->trigger();
    QCOMPARE(session.shownTexts().last(), refusal);
    const std::string data = teamFile("Nom\nMarc\n");
    QVERIFY(!data.empty());
    dialogs.choose(data, "csv");
    dialogs.choose(wide, "pdf");
    session.prompter->answers = {Answer::Yes, Answer::No};
    main().menus().file.cardMerge->trigger();
    QCOMPARE(session.shownTexts().last(), refusal);
    QVERIFY(!QFile::exists(QString::fromStdString(wide)));
  }

  void theTeamsCardsGoToAPdfAndTheCardStaysAsWritten() {
    start();
    card().frame(1).text = RichText::fromPlainText("\u00abNom\u00bb \u00abVille\u00bb");
    const CardModel written = card();
    const std::string data = teamFile("Nom\nL\xc3\xa9\x61\nMarc\n");
    QVERIFY(!data.empty());
    const std::string path = file(QStringLiteral("equipe.pdf"));
    dialogs.choose(data, "csv");
    dialogs.choose(path, "pdf");
    // Mixed rows, into a PDF file rather than on the printer.
    session.prompter->answers = {Answer::Yes, Answer::No};
    main().menus().file.cardMerge->trigger();
    QFile pdf(QString::fromStdString(path));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    const std::vector<MissingField> missing{{1, "Ville"}, {2, "Ville"}};
    QCOMPARE(session.shownTexts().last(),
             QString::fromStdString(cardMergeWrittenMessage(Language::French, path, missing)));
    QVERIFY(card().frame(1).text == written.frame(1).text);
    // A file without data rows is refused before anything is written.
    dialogs.choose(file(QStringLiteral("absent.csv")), "csv");
    dialogs.choose(file(QStringLiteral("rien.pdf")), "pdf");
    session.prompter->answers = {Answer::Yes, Answer::No};
    main().menus().file.cardMerge->trigger();
    QCOMPARE(session.shownTexts().last(), QString::fromStdString(cardMergeNoRowsMessage(
                                              Language::French, file(QStringLiteral("absent.csv")))));
    QVERIFY(!QFile::exists(QString::fromStdString(file(QStringLiteral("rien.pdf")))));
  }

  void theTeamsCardsGoToThePrinterAsOneJobThatCancelDrops() {
    start();
    ScriptedPrintDialogs printDialogs;
    session.editor->printCommands().setPrintDialogs(printDialogs);
    card().frame(1).text = RichText::fromPlainText("\u00abNom\u00bb \u00abVille\u00bb");
    const CardModel written = card();
    const std::string data = teamFile("Nom\nL\xc3\xa9\x61\nMarc\nJules\n");
    QVERIFY(!data.empty());
    // A sheet per row, on the printer, in black and white; the whole run twice over.
    session.prompter->answers = {Answer::No, Answer::Yes, Answer::No};
    printDialogs.copies = 2;
    dialogs.choose(data, "csv");
    main().menus().file.cardMerge->trigger();
    QCOMPARE(dialogs.saveRequests.size(), std::size_t{0});
    QCOMPARE(printDialogs.printDialogs, 1);
    QCOMPARE(session.printers->jobs.size(), std::size_t{1});
    const ScriptedJobRecord& job = session.printers->jobs[0];
    QVERIFY(job.finished && !job.aborted);
    QVERIFY(!job.colour);
    QCOMPARE(job.pages, 6);
    QCOMPARE(session.editor->shell().state().lastPrintMode, PrintMode::BlackAndWhite);
    // The names in the order printed, a run of the same name once: twelve cards of each on its page.
    const QStringList team{QStringLiteral("L\u00e9a"), QStringLiteral("Marc"), QStringLiteral("Jules")};
    QStringList runs;
    int cards = 0;
    for (const CanvasCall& call : session.printers->pageCanvas->callsOf(CanvasCallKind::TextAt)) {
      const QString text = QString::fromStdString(call.text).trimmed();
      if (!team.contains(text)) continue;
      ++cards;
      if (runs.isEmpty() || runs.last() != text) runs << text;
    }
    QCOMPARE(runs, team + team);
    QCOMPARE(cards, 6 * 12);
    // Each copy holds the same rows: their empty fields are told once.
    const std::vector<MissingField> missing{{1, "Ville"}, {2, "Ville"}, {3, "Ville"}};
    QCOMPARE(session.shownTexts().last(),
             QString::fromStdString(cardMergePrintedMessage(Language::French, "", missing)));
    QVERIFY(card().frame(1).text == written.frame(1).text);

    // Cancel pressed once the second row is drawn drops the job whole, and says nothing.
    const qsizetype shown = session.shownTexts().size();
    session.prompter->answers = {Answer::No, Answer::Yes, Answer::Yes};
    printDialogs.copies = 1;
    dialogs.choose(data, "csv");
    QTimer canceller;
    QObject::connect(&canceller, &QTimer::timeout, [this] {
      auto* dialog = main().findChild<QProgressDialog*>(QStringLiteral("bitmapProgress"));
      if (dialog && dialog->value() >= 2) dialog->cancel();
    });
    canceller.start(0);
    main().menus().file.cardMerge->trigger();
    canceller.stop();
    QCOMPARE(session.printers->jobs.size(), std::size_t{2});
    QVERIFY(session.printers->jobs[1].aborted && !session.printers->jobs[1].finished);
    QVERIFY(session.printers->jobs[1].pages > 1);      // part of it was drawn
    QCOMPARE(session.shownTexts().size(), shown + 3);  // the three questions, and nothing after them
    QVERIFY(card().frame(1).text == written.frame(1).text);
  }

  void theDialogFiltersReadAsQtNameFilters() {
    QCOMPARE(qtNameFilters("fichiers Orvane 1|*.ov1|fichiers Orvane 2|*.ov?;*.ov??|"),
             QStringList({"fichiers Orvane 1 (*.ov1)", "fichiers Orvane 2 (*.ov? *.ov?\?)"}));
  }
};

ORVANE_APP_TEST_MAIN(CardFileCommandsTest)
#include "card_file_commands_test.moc"
