// The mini-CV editor's print lists and items as the user meets them: the orientation fills the
// number-per-page list, the test print waits for a printer, a print reaches the printer in the page's
// orientation, and the main window's "Imprimer" asks the orientation first.
#include <QAction>
#include <QComboBox>

#include "app_test_main.h"
#include "catalogue/catalogue.h"
#include "editor_under_test.h"
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

  void openEditor() {
    session.start(1);
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
    openEditor();
    QVERIFY(!item("impression1")->isEnabled());  // no printer measured yet
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

  void theMainWindowsImprimerAsksTheOrientation() {
    openEditor();
    query.answers = {std::string("2")};
    main().menus().miniCv.print->trigger();
    QCOMPARE(query.asked.size(), std::size_t{1});
    QCOMPARE(cvOrientation(cv().sheet()), CvOrientation::Horizontal);
    QCOMPARE(session.printers->jobs.back().orientation, PageOrientation::Landscape);
  }
};

ORVANE_APP_TEST_MAIN(CvPrintMenuTest)
#include "cv_print_menu_test.moc"
