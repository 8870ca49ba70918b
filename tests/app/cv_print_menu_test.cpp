// The mini-CV editor's print lists and items as the user meets them: the orientation fills the
// number-per-page list, the test print waits for a printer, a print reaches the printer in the page's
// orientation, the prints follow the main window's count of printers, the main window's "Imprimer"
// asks the orientation first, and the editor alone on a file prints as well.
#include <QAction>
#include <QComboBox>
#include <QTemporaryDir>

#include "app/mini_cv_alone.h"
#include "app_test_main.h"
#include "catalogue/catalogue.h"
#include "editor_under_test.h"
#include "minicv/cv_file_save.h"
#include "query_dialog_script.h"
#include "shell/cv_print_commands.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_input_query.h"

using namespace orvane;

class CvPrintMenuTest : public QObject {
  Q_OBJECT

  EditorUnderTest session;
  ScriptedFileDialogs files;
  ScriptedDialogs colours;
  ScriptedInputQuery query;
  ScriptedPrintDialogs printDialogs;

  TForm2& main() { return *session.editor->mainWindow(); }
  TForm7& cv() { return *session.editor->miniCvCommands().editor(); }
  QComboBox* list(const char* name) { return qobject_cast<QComboBox*>(cv().widgets().widget(name)); }
  QAction* item(const char* name) { return cv().menus().action(name); }

  void openEditor(int printerCount = 1, bool printerAnswers = true) {
    session.start(printerCount);
    if (!printerAnswers) session.printers->measurements.reset();
    session.editor->printCommands().setPrintDialogs(printDialogs);
    session.editor->miniCvCommands().setDialogs({&files, &colours, &query});
    main().menus().miniCv.edit->trigger();
    QVERIFY(session.editor->miniCvCommands().editor());
  }

 private slots:
  void cleanup() { session.stop(); }

  void theOrientationListFillsTheNumberList() {
    openEditor();
    QVERIFY(!list("ComboBox2")->isEnabled());
    emit list("ComboBox1")->activated(0);  // "horizontal"
    QVERIFY(list("ComboBox2")->isEnabled());
    QCOMPARE(list("ComboBox2")->count(), 3);
    emit list("ComboBox1")->activated(1);  // "vertical"
    QCOMPARE(list("ComboBox2")->count(), 2);
    emit list("ComboBox2")->activated(1);
    QCOMPARE(cvNumberPerPage(cv().sheet()), 2);
  }

  void aPrintGoesToThePrinterAndEnablesTheTestPrint() {
    openEditor(1, false);
    QVERIFY(!item("impression1")->isEnabled());  // the opening could not measure the printer
    session.printers->measurements = PrinterMeasurements::a4(600);  // it answers by the print
    emit list("ComboBox1")->activated(1);
    item("impressioncouleur1")->trigger();
    QCOMPARE(session.printers->jobs.size(), std::size_t{1});
    QCOMPARE(session.printers->jobs[0].orientation, PageOrientation::Portrait);
    QVERIFY(item("impression1")->isEnabled());
    item("impression1")->trigger();
    QCOMPARE(session.printers->jobs.size(), std::size_t{2});
    QVERIFY(session.printers->jobs[1].aborted);
    QVERIFY(session.shownTexts().last().startsWith(
        QString::fromStdString(catalogue::text(Language::French, 116))));
  }

  void theOpeningChecksThePrintersOnce() {
    openEditor();
    QVERIFY(item("impression1")->isEnabled());
    QVERIFY(session.printers->jobs.empty());
    QVERIFY(session.shownTexts().isEmpty());
  }

  void thePrintsFollowTheMainWindowsCountOfPrinters() {
    openEditor(2);
    QVERIFY(item("imprimante1")->isEnabled());
    QVERIFY(!item("impressioncouleur1")->isEnabled());
    QVERIFY(!item("impressionnoiretblanc1")->isEnabled());
    QVERIFY(item("impression1")->isEnabled());

    // A printer chosen in the editor lifts the restriction, as in the main window.
    item("imprimante1")->trigger();
    QCOMPARE(printDialogs.setupDialogs, 1);
    QVERIFY(item("impressioncouleur1")->isEnabled());
    QVERIFY(item("impressionnoiretblanc1")->isEnabled());

    openEditor(0);
    QVERIFY(!item("imprimante1")->isEnabled());
    QVERIFY(!item("impressioncouleur1")->isEnabled());
    QVERIFY(!item("impression1")->isEnabled());
  }

  void theEditorAloneOnAFilePrints() {
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("seul.ov4")).toStdString();
    ScriptedPrompter prompter;
    ScriptedPrinterService printers = ScriptedPrinterService::withPrinters(2);
    {
      CompanionFiles companions(prompter, Language::French);
      QVERIFY(minicv::writeCvFile(minicv::CvSheet{}, path, "seul", companions, prompter));
    }
    ScriptedSettingsStore settings;
    MiniCvAlone alone(prompter, printers, settings);
    alone.setPrintDialogs(printDialogs);
    alone.open(path);
    auto action = [&alone](const char* name) { return alone.editor().menus().action(name); };
    // No main window restricts it; the test print waits for a first print to measure the printer.
    QVERIFY(action("impressioncouleur1")->isEnabled());
    QVERIFY(!action("impression1")->isEnabled());

    action("impressioncouleur1")->trigger();
    action("impressionnoiretblanc1")->trigger();
    QCOMPARE(printers.jobs.size(), std::size_t{2});
    QVERIFY(printers.jobs[0].finished && printers.jobs[1].finished);
    QVERIFY(!printers.pageCanvas->calls.empty());
    QVERIFY(action("impression1")->isEnabled());
    action("impression1")->trigger();
    QCOMPARE(printers.jobs.size(), std::size_t{3});
    QVERIFY(printers.jobs[2].aborted);
    QVERIFY(QString::fromStdString(prompter.texts().back())
                .startsWith(QString::fromStdString(catalogue::text(Language::French, 116))));
  }

  void theMainWindowsImprimerAsksTheOrientationInTheQueryDialog() {
    openEditor();
    // "annuler" still answers with the text typed.
    QueryDialogSeen seen;
    answerNextQueryDialog(QStringLiteral("2"), "Button2", seen);
    main().menus().miniCv.print->trigger();
    QCOMPARE(seen.caption, QStringLiteral("Orvane : impression mini-cv : orientation"));
    QCOMPARE(seen.proposed, QStringLiteral("1"));
    QCOMPARE(cvOrientation(cv().sheet()), CvOrientation::Horizontal);
    QCOMPARE(session.printers->jobs.back().orientation, PageOrientation::Landscape);
  }
};

ORVANE_APP_TEST_MAIN(CvPrintMenuTest)
#include "cv_print_menu_test.moc"
