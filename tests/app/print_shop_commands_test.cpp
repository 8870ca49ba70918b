// "Exporter pour l'imprimeur" driven through its menu item: the card loaded at start goes, after the
// file and the bleed are asked for, to a PDF file whose page carries its trim and bleed boxes.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app_test_main.h"
#include "editor_under_test.h"
#include "shell/print_shop_export.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_input_query.h"

using namespace orvane;

class PrintShopCommandsTest : public QObject {
  Q_OBJECT

  EditorUnderTest session;

 private slots:
  void cleanup() { session.stop(); }

  void theCardGoesToAPdfWithTheBleedAskedFor() {
    QTemporaryDir folder;
    // The card names its pattern and icon relative to the current folder.
    QDir::setCurrent(QStringLiteral(ORVANE_TEST_DATA "/render"));
    session.start(0, ORVANE_TEST_DATA "/render/carte.ov1");
    ScriptedFileDialogs dialogs;
    ScriptedInputQuery query;
    session.editor->printShopCommands().setDialogs(dialogs, query);
    const std::string path = folder.filePath(QStringLiteral("carte.pdf")).toStdString();
    dialogs.choose(path, "pdf");
    query.answers = {"4"};
    session.editor->mainWindow()->menus().file.exportPrintShop->trigger();

    QCOMPARE(query.asked.at(0).proposed, std::string("3"));
    QCOMPARE(session.shownTexts().last(),
             QString::fromStdString(printShopWrittenMessage(Language::French, path)));
    QFile file(QString::fromStdString(path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.contains("/TrimBox") && pdf.contains("/BleedBox"));
  }
};

ORVANE_APP_TEST_MAIN(PrintShopCommandsTest)
#include "print_shop_commands_test.moc"
