// "Exporter pour l'imprimeur" driven through its menu item: the card loaded at start goes to a PDF
// file whose page carries the trim and bleed boxes, after the file and the bleed were asked for.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
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
  ScriptedFileDialogs dialogs;
  ScriptedInputQuery query;
  QTemporaryDir folder;

  void start() {
    // The card names its pattern and icon relative to the current folder.
    QDir::setCurrent(QStringLiteral(ORVANE_TEST_DATA "/render"));
    session.start(0, ORVANE_TEST_DATA "/render/carte.ov1");
    session.editor->printShopCommands().setDialogs(dialogs, query);
  }
  void trigger() { session.editor->mainWindow()->menus().file.exportPrintShop->trigger(); }

  // The numbers of a box of the PDF's page, in points.
  static QList<double> box(const QByteArray& pdf, const QString& name) {
    const QRegularExpression pattern(QStringLiteral("/%1 *\\[ *([-0-9. ]+)\\]").arg(name));
    QList<double> numbers;
    for (const QString& number :
         pattern.match(QString::fromLatin1(pdf)).captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts))
      numbers << number.toDouble();
    return numbers;
  }

 private slots:
  void init() {
    QVERIFY(folder.isValid());
    dialogs = ScriptedFileDialogs();
    query = ScriptedInputQuery();
  }
  void cleanup() { session.stop(); }

  void theCardGoesToAPdfWithTheBleedAskedFor() {
    start();
    const std::string path = folder.filePath(QStringLiteral("carte.pdf")).toStdString();
    dialogs.choose(path, "pdf");
    query.answers = {"4"};
    trigger();
    QCOMPARE(session.shownTexts().last(),
             QString::fromStdString(printShopWrittenMessage(Language::French, path)));
    QFile file(QString::fromStdString(path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    const QList<double> trim = box(pdf, QStringLiteral("TrimBox"));
    const QList<double> bleed = box(pdf, QStringLiteral("BleedBox"));
    QCOMPARE(trim.size(), 4);
    QCOMPARE(bleed.size(), 4);
    const double pointsPerMm = 72 / 25.4;
    QVERIFY(qAbs(trim[2] - trim[0] - 185 * 0.75) < 0.05 * pointsPerMm);  // 185 pixels at 96 per inch
    QVERIFY(qAbs(trim[0] - bleed[0] - 4 * pointsPerMm) < 0.05 * pointsPerMm);
  }

  void aCancelledQuestionWritesNothing() {
    start();
    const std::string path = folder.filePath(QStringLiteral("none.pdf")).toStdString();
    dialogs.choose(path, "pdf");
    const qsizetype shown = session.shownTexts().size();
    trigger();
    QCOMPARE(query.asked.size(), std::size_t{1});
    QVERIFY(!QFile::exists(QString::fromStdString(path)));
    QCOMPARE(session.shownTexts().size(), shown);
  }
};

ORVANE_APP_TEST_MAIN(PrintShopCommandsTest)
#include "print_shop_commands_test.moc"
